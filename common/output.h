#ifndef COMMON_OUTPUT_H
#define COMMON_OUTPUT_H

#include <cstdio>

// Writing a program's output so that lost output is never reported as success.

// Writes `format`, filled in, to `stream`. Returns whether it went through; when it did not,
// errno is the reason that this write gave, or 0 where it gave none.
[[gnu::format(printf, 2, 3)]] bool Write(std::FILE* stream, const char* format, ...);

// Flushes and closes standard output. Returns the exit status: 0 when everything written to it
// reached its destination; 1 when the flush or the close failed (a full disk, a quota, a network
// file system), or an earlier write had failed, after "program: write error: reason" on standard
// error.
int CloseStdout(const char* program);

// Writes "program: what: reason" on `err`, the reason being the errno `error`. A failed call that
// set no errno has no reason to give, and is told as such, never as "Success".
void ReportError(std::FILE* err, const char* program, const char* what, int error);

// ReportError for a write or close of standard output that failed.
void ReportWriteError(std::FILE* err, const char* program, int error);

#endif
