#include <cerrno>
#include <cstdio>

#include "arrays.h"
#include "output.h"

int main() {
  const char* const program = "arraymerge";
  constexpr int na = 50;
  constexpr int nb = 70;
  constexpr int nc = na + nb;
  int a[na];
  int b[nb];
  int c[nc];

  SetArrayRand(a, na);
  SetArrayRand(b, nb);
  SelectionSort(a, na);
  SelectionSort(b, nb);
  Merge(a, na, b, nb, c, nc);
  if (!PrintArray("Array c", c, nc)) {
    ReportWriteError(stderr, program, errno);
    return 1;
  }

  return CloseStdout(program);
}
