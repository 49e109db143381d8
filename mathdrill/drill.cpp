#include "drill.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>

#include "flush_output.h"

namespace {

const char* const kProgram = "mathdrill";

// The three streams one run of the dialogue talks through.
struct Console {
  std::FILE* in;
  std::FILE* out;
  std::FILE* err;
};

void PutLine(const char* text, std::FILE* out) {
  std::fputs(text, out);
  std::fputc('\n', out);
}

// Says why a read found no value: the stream failed, the input ended, or it held something else.
bool ReportBadInput(const Console& io, const char* expected) {
  if (std::ferror(io.in) != 0) {
    std::fprintf(io.err, "%s: read error: %s\n", kProgram, std::strerror(errno));
  } else if (std::feof(io.in) != 0) {
    std::fprintf(io.err, "%s: expected %s, but the input ended\n", kProgram, expected);
  } else {
    std::fprintf(io.err, "%s: expected %s\n", kProgram, expected);
  }
  return false;
}

// Whatever is pending goes out before each read, so that a program driving the
// dialogue sees every prompt before it has to answer.
bool ShowPending(const Console& io) { return FlushOutput(io.out, kProgram, io.err); }

bool AskReal(const Console& io, const char* prompt, const char* expected, double* value) {
  PutLine(prompt, io.out);
  if (!ShowPending(io)) {
    return false;
  }
  // "%lf" is the intended reading: a value beyond double's range becomes an infinity, which
  // the formula then carries like any other.
  return std::fscanf(io.in, "%lf", value) == 1 || ReportBadInput(io, expected);  // NOLINT(cert-err34-c)
}

enum class IntRead { kOk, kNoInteger, kOutOfRange };

// Enough of an out-of-range number to recognise it in the message.
const std::size_t kShownDigits = 40;

// Reads an integer as "%d" does: white space, an optional sign, decimal digits, and the
// first other character left unread. Unlike "%d" it refuses a value that int cannot hold
// instead of wrapping it, and copies the start of what it read into `shown`.
IntRead ReadInt(std::FILE* in, int* value, char (&shown)[kShownDigits + 4]) {
  int ch = std::getc(in);
  while (ch != EOF && std::isspace(ch) != 0) {
    ch = std::getc(in);
  }
  std::size_t length = 0;
  const bool negative = ch == '-';
  if (ch == '-' || ch == '+') {
    shown[length++] = static_cast<char>(ch);
    ch = std::getc(in);
  }
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long magnitude = 0;
  bool anyDigit = false;
  for (; ch >= '0' && ch <= '9'; ch = std::getc(in)) {
    anyDigit = true;
    if (magnitude <= limit) {
      magnitude = magnitude * 10 + (ch - '0');
    }
    if (length < kShownDigits) {
      shown[length++] = static_cast<char>(ch);
    } else if (length == kShownDigits) {
      std::memcpy(shown + length, "...", 3);
      length += 3;
    }
  }
  shown[length] = '\0';
  if (ch != EOF) {
    std::ungetc(ch, in);
  }
  if (!anyDigit) {
    return IntRead::kNoInteger;
  }
  if (magnitude > limit) {
    return IntRead::kOutOfRange;
  }
  *value = static_cast<int>(negative ? -magnitude : magnitude);
  return IntRead::kOk;
}

bool AskInt(const Console& io, int* value) {
  if (!ShowPending(io)) {
    return false;
  }
  char shown[kShownDigits + 4];
  switch (ReadInt(io.in, value, shown)) {
    case IntRead::kOk:
      return true;
    case IntRead::kOutOfRange:
      std::fprintf(io.err, "%s: %s is out of range\n", kProgram, shown);
      return false;
    case IntRead::kNoInteger:
      break;
  }
  return ReportBadInput(io, "an integer to reverse");
}

}  // namespace

double EvaluateFormula(double a, double b, double c, double d) {
  const double y = (a + b) / (c - d);
  const double s = std::sqrt(a + c);
  const double x = s / (a - b);
  const double z = (c + b) / (a + c);
  return (x + y) + z;
}

int ReverseDigits(int x) {
  const int r1 = x / 100;
  const int r2 = (x % 100) / 10;
  const int r3 = x % 10;
  return r3 * 100 + r2 * 10 + r1;
}

int RunDrill(std::FILE* in, std::FILE* out, std::FILE* err) {
  const Console io{in, out, err};
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
  double d = 0.0;
  int x = 0;

  PutLine("Part A ", out);
  PutLine("Enter values for a,b,c,d", out);
  if (!AskReal(io, "Enter a", "a number for a", &a) || !AskReal(io, "Enter b", "a number for b", &b) ||
      !AskReal(io, "Enter c", "a number for c", &c) || !AskReal(io, "Enter d", "a number for d", &d)) {
    return 1;
  }
  std::fprintf(out, "\nYour new result is %.3lf \n ", EvaluateFormula(a, b, c, d));

  PutLine("\nPartB", out);
  std::fputs("Enter a number (integer) from the range [100-999]  and I will reverse it for you :-O\n ", out);
  if (!AskInt(io, &x)) {
    return 1;
  }
  std::fprintf(out, "\nYour new reversed number is :-D %d \n", ReverseDigits(x));

  return FlushOutput(out, kProgram, err) ? 0 : 1;
}
