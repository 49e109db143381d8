#ifndef TESTS_TEST_STREAMS_H
#define TESTS_TEST_STREAMS_H

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Streams that fail when a test says so, for the failures a real file rarely gives on demand.

// Where a write stream's bytes go. The write that would pass `room` keeps what fits and fails
// with `error`; later writes go through again, as after a transient failure (a full pipe on a
// non-blocking output), so that a writer that carries on after a failure shows in `written`.
struct Sink {
  std::string written;
  std::size_t room = SIZE_MAX;
  int error = 0;
  int closeError = 0;  // the errno of a failing close; 0: the close succeeds
  bool failed = false;
};

// Opens a write stream into `sink`, buffered as `mode` says (_IOFBF, _IOLBF or _IONBF).
std::FILE* OpenSink(Sink& sink, int mode);

// What a read stream gives: each chunk in turn, but a chunk with a prompt only once `shown`
// ends with that prompt, as a person answers only what they have been asked. After the last
// chunk, the end of input or, with `error`, a read that fails with it.
struct Source {
  struct Chunk {
    std::string prompt;
    std::string text;
  };
  std::vector<Chunk> chunks;
  int error = 0;
  const Sink* shown = nullptr;
  std::size_t next = 0;  // read position over the chunks' texts, all in one
};

std::FILE* OpenSource(Source& source);

#endif
