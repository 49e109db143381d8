#ifndef MATHDRILL_DRILL_H
#define MATHDRILL_DRILL_H

#include <cstdio>

// The name the drill's diagnostics begin with.
constexpr char kProgram[] = "mathdrill";

// (a + b) / (c - d) + sqrt(a + c) / (a - b) + (c + b) / (a + c), in IEEE double
// arithmetic: zero divisors and negative roots give infinities and NaNs, as they fall.
double EvaluateFormula(double a, double b, double c, double d);

// x's units digit times 100, plus its tens digit times 10, plus x / 100: from 100 to 999 the
// three digits in reverse order. Beyond, all of x / 100 is added in the units place (1234 gives
// 400 + 30 + 12 = 442); the sign is kept.
int ReverseDigits(int x);

// The whole drill on the given streams. Returns the exit status: 0 when the dialogue ran to its end
// and all of it was flushed to `out`; 1 after one diagnostic line on `err`, when a read failed or
// found no usable value, or a write to `out` failed. The run stops there. `out` is left open.
int RunDrill(std::FILE* in, std::FILE* out, std::FILE* err);

#endif
