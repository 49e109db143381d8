#ifndef TESTS_TEST_STREAMS_H
#define TESTS_TEST_STREAMS_H

#include <cstdint>
#include <cstdio>
#include <string>

// Streams that fail when a test says so, for the failures a real file rarely gives on demand.

// Where a write stream's bytes go. The write that would pass `room` keeps what fits and fails
// with `error` (0: without setting errno); later writes go through again, as after a transient
// failure (a full pipe on a non-blocking output), so that a writer that carries on after a
// failure shows in `written`.
struct Sink {
  std::string written;
  std::size_t room = SIZE_MAX;
  int error = 0;
  int closeError = 0;  // the errno of a failing close; 0: the close succeeds
  bool failed = false;
};

// Opens a write stream into `sink`, buffered as `mode` says (_IOFBF, _IOLBF or _IONBF).
std::FILE* OpenSink(Sink& sink, int mode);

// What a read stream gives: `text`, then the end of input or, with `error`, a read that fails
// with it.
struct Source {
  std::string text;
  int error = 0;
  std::size_t next = 0;
};

std::FILE* OpenSource(Source& source);

#endif
