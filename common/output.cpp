#include "output.h"

#include <cerrno>
#include <cstring>

int CloseStdout(const char* program) {
  // Flushed apart from the close so that a failed write gives its own errno, not the close's.
  int error = std::fflush(stdout) != 0 ? errno : 0;
  if (std::fclose(stdout) != 0 && error == 0) {
    error = errno;
  }
  if (error != 0) {
    ReportWriteError(stderr, program, error);
    return 1;
  }
  return 0;
}

void ReportWriteError(std::FILE* err, const char* program, int error) {
  std::fprintf(err, "%s: write error: %s\n", program, std::strerror(error));
}
