#include "arrays.h"

#include <cstdlib>

#include "output.h"

int RandInt(int a, int b) {
  // The library's own unseeded rand() and a plain remainder, bias and all: the printed
  // values depend on exactly this sequence and this reduction.
  return a + (std::rand() % (b - a + 1));  // NOLINT(cert-msc30-c,cert-msc50-cpp)
}

void SetArrayRand(int* x, int n) {
  for (int i = 0; i < n; ++i) {
    x[i] = RandInt(30, 100);
  }
}

void SelectionSort(int* x, int n) {
  // k + 1 < n rather than k <= n - 2, which overflows for the most negative count.
  for (int k = 0; k + 1 < n; ++k) {
    int m = k;
    for (int j = k + 1; j < n; ++j) {
      if (x[j] < x[m]) {
        m = j;
      }
    }
    const int temp = x[k];
    x[k] = x[m];
    x[m] = temp;
  }
}

void Merge(const int* a, int na, const int* b, [[maybe_unused]] int nb, int* c, int nc) {
  // The caller sizes c as na + nb, so nc alone bounds the copy.
  const int fromA = na > 0 ? na : 0;
  for (int i = 0; i < nc; ++i) {
    c[i] = i < fromA ? a[i] : b[i - fromA];
  }
  SelectionSort(c, nc);
}

bool PrintArray(const char* name, const int* x, int nx) {
  if (!Write(stdout, "%s\n", name)) {
    return false;
  }
  for (int i = 0; i < nx; ++i) {
    if (!Write(stdout, "%d\n", x[i])) {
      return false;
    }
  }
  return true;
}
