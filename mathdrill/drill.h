#ifndef MATHDRILL_DRILL_H
#define MATHDRILL_DRILL_H

#include <cstdio>

// (a + b) / (c - d) + sqrt(a + c) / (a - b) + (c + b) / (a + c), in IEEE double
// arithmetic: zero divisors and negative roots give infinities and NaNs, as they fall.
double EvaluateFormula(double a, double b, double c, double d);

// The number that x's units, tens and hundreds digits make in reverse order; digits
// above the hundreds stay in the units place (1234 gives 442) and the sign is kept.
int ReverseDigits(int x);

// The whole drill on the given streams. Returns the exit status: 0 when the dialogue ran to its end
// and all of it was flushed to `out`; 1 after one diagnostic line on `err`, when a read failed or
// found no usable value, or a write to `out` failed. The run stops there. `out` is left open.
int RunDrill(std::FILE* in, std::FILE* out, std::FILE* err);

#endif
