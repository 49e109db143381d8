#include "flush_output.h"

#include <cerrno>
#include <cstring>

bool FlushOutput(std::FILE* out, const char* program, std::FILE* err) {
  errno = 0;
  if (std::fflush(out) == 0 && std::ferror(out) == 0) {
    return true;
  }
  if (errno != 0) {
    std::fprintf(err, "%s: write error: %s\n", program, std::strerror(errno));
  } else {
    std::fprintf(err, "%s: write error\n", program);
  }
  return false;
}
