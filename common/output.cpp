#include "output.h"

#include <cerrno>
#include <cstring>

int CloseOutput(std::FILE* out) {
  // Flushed apart from the close so that a failed write gives its own errno, not the close's.
  if (std::fflush(out) != 0) {
    const int error = errno;
    std::fclose(out);
    return error;
  }
  return std::fclose(out) == 0 ? 0 : errno;
}

void ReportWriteError(std::FILE* err, const char* program, int error) {
  std::fprintf(err, "%s: write error: %s\n", program, std::strerror(error));
}
