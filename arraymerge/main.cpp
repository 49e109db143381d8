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
  int error = PrintArray("Array c", c, 120);

  if (error == 0) {
    error = CloseOutput(stdout);
  }
  if (error != 0) {
    ReportWriteError(stderr, "arraymerge", error);
    return 1;
  }
  return 0;
}
