#ifndef COMMON_FLUSH_OUTPUT_H
#define COMMON_FLUSH_OUTPUT_H

#include <cstdio>

// Pushes what is buffered on `out` to its destination. When that fails, or an
// earlier write on `out` failed, writes "program: write error: reason" on `err`
// and returns false, so that lost output is never reported as success.
bool FlushOutput(std::FILE* out, const char* program, std::FILE* err);

#endif
