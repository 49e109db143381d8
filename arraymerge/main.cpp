#include <cerrno>
#include <cstdio>

#include "arrays.h"
#include "output.h"

int main() {
  int a[50];
  int b[70];
  int c[120];

  SetArrayRand(a, 50);
  SetArrayRand(b, 70);
  SelectionSort(a, 50);
  SelectionSort(b, 70);
  Merge(a, 50, b, 70, c, 120);
  if (!PrintArray("Array c", c, 120)) {
    ReportWriteError(stderr, "arraymerge", errno);
    return 1;
  }

  return CloseStdout("arraymerge");
}
