#include "output.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>

// A printf-style function, so that the compiler checks each call's format against its arguments.
bool Write(std::FILE* stream, const char* format, ...) {  // NOLINT(cert-dcl50-cpp)
  std::va_list args;
  va_start(args, format);
  errno = 0;  // a write that fails without setting errno must not be told with an earlier reason
  const int written = std::vfprintf(stream, format, args);
  va_end(args);
  return written >= 0;
}

int CloseStdout(const char* program) {
  // glibc drops what a failed write could not write, so after a failure that its caller did not
  // check the flush and the close succeed: only the error indicator still tells.
  bool failed = std::ferror(stdout) != 0;
  int error = 0;
  // Flushed apart from the close so that a failed write gives its own errno, not the close's.
  if (std::fflush(stdout) != 0) {
    failed = true;
    error = errno;
  }
  if (std::fclose(stdout) != 0) {
    failed = true;
    error = error != 0 ? error : errno;
  }
  if (failed) {
    ReportWriteError(stderr, program, error);
    return 1;
  }
  return 0;
}

void ReportError(std::FILE* err, const char* program, const char* what, int error) {
  std::fprintf(err, "%s: %s: %s\n", program, what, error != 0 ? std::strerror(error) : "reason unknown");
}

void ReportWriteError(std::FILE* err, const char* program, int error) {
  ReportError(err, program, "write error", error);
}
