#ifndef COMMON_OUTPUT_H
#define COMMON_OUTPUT_H

#include <cstdio>

// Ending a program's output so that lost output is never reported as success. The programs check
// each write where it is made, since only there is its errno still the reason it failed; these
// cover what only the end of the output can tell.

// Flushes and closes `out`. Returns 0 when everything written to it reached its destination, else
// the errno of the flush or close that failed (a full disk, a quota, a network file system).
int CloseOutput(std::FILE* out);

// Writes "program: write error: reason" on `err`, the reason being the errno `error`.
void ReportWriteError(std::FILE* err, const char* program, int error);

#endif
