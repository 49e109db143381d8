#ifndef ARRAYMERGE_ARRAYS_H
#define ARRAYMERGE_ARRAYS_H

// Routines over caller-owned int arrays, each passed as a pointer to its first element and a
// count; a count of 0 or less, down to INT_MIN, is an empty array.

// One draw of rand(), reduced into a..b (both included). Needs b >= a, and the range's size,
// b - a + 1, must fit in an int: RandInt(0, INT_MAX) overflows.
int RandInt(int a, int b);

// x[0]..x[n-1] receive RandInt(30, 100), in ascending index order.
void SetArrayRand(int* x, int n);

// Sorts x[0]..x[n-1] ascending, in place, by selection.
void SelectionSort(int* x, int n);

// c receives the na elements of a, then b's, up to nc = na + nb; then c is sorted.
void Merge(const int* a, int na, const int* b, int nb, int* c, int nc);

// Writes `name` as a line, then each element on a line of its own, to standard output. Returns
// false at the first write that failed, with errno that write's reason (0 where it gave none);
// nothing more is written after it.
bool PrintArray(const char* name, const int* x, int nx);

#endif
