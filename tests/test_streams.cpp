#include "test_streams.h"

#include <sys/types.h>

#include <algorithm>
#include <cerrno>

namespace {

ssize_t WriteToSink(void* cookie, const char* data, size_t size) {
  Sink& sink = *static_cast<Sink*>(cookie);
  if (sink.failed || sink.written.size() + size <= sink.room) {
    sink.written.append(data, size);
    return static_cast<ssize_t>(size);
  }
  // A short count with errno set, as glibc's own file writes report a failed write(2): glibc takes
  // it as the failure, while a -1 from a cookie misleads its unbuffered path.
  const std::size_t kept = sink.room - sink.written.size();
  sink.written.append(data, kept);
  sink.failed = true;
  if (sink.error != 0) {  // else errno is left as it was, as by a failure that sets none
    errno = sink.error;
  }
  return static_cast<ssize_t>(kept);
}

int CloseSink(void* cookie) {
  const Sink& sink = *static_cast<Sink*>(cookie);
  if (sink.closeError != 0) {
    errno = sink.closeError;
    return -1;
  }
  return 0;
}

ssize_t ReadFromSource(void* cookie, char* data, size_t size) {
  Source& source = *static_cast<Source*>(cookie);
  const std::size_t count = std::min(size, source.text.size() - source.next);
  if (count == 0 && source.error != 0) {
    errno = source.error;
    return -1;
  }
  source.text.copy(data, count, source.next);
  source.next += count;
  return static_cast<ssize_t>(count);
}

}  // namespace

std::FILE* OpenSink(Sink& sink, int mode) {
  std::FILE* stream = fopencookie(&sink, "w", {nullptr, WriteToSink, nullptr, CloseSink});
  std::setvbuf(stream, nullptr, mode, BUFSIZ);
  return stream;
}

std::FILE* OpenSource(Source& source) { return fopencookie(&source, "r", {ReadFromSource, nullptr, nullptr, nullptr}); }
