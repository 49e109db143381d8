#include "drill.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>

#include "output.h"

namespace {

// The three streams one run of the dialogue talks through.
struct Console {
  std::FILE* in;
  std::FILE* out;
  std::FILE* err;
};

// Checks a write where it was made, so that a failure is told with the errno it left.
bool Written(const Console& io, bool written) {
  if (!written) {
    ReportWriteError(io.err, kProgram, errno);
  }
  return written;
}

// Whatever is pending goes out before each read, so that a program driving the dialogue sees
// every prompt before it has to answer, and at the end, so that a failed write is still told here.
// It always follows a Write, which left errno clear for it.
bool FlushOut(const Console& io) { return Written(io, std::fflush(io.out) == 0); }

bool ReportReadError(const Console& io, int error) {
  ReportError(io.err, kProgram, "read error", error);
  return false;
}

// What a read that found no value, and no input error, adds when the input had ended.
const char* InputEnded(const Console& io) { return std::feof(io.in) != 0 ? ", but the input ended" : ""; }

// Prompts for the real number called `name` and reads it into `value`.
bool AskReal(const Console& io, char name, double* value) {
  if (!Written(io, Write(io.out, "Enter %c\n", name)) || !FlushOut(io)) {
    return false;
  }
  // The read is judged by what it leaves in errno, not by what an earlier call left there.
  errno = 0;
  // "%lf" is the intended reading: a value beyond double's range becomes an infinity, which the
  // formula then carries like any other.
  const int converted = std::fscanf(io.in, "%lf", value);  // NOLINT(cert-err34-c)
  // An input error may cut a number short after it converted (4 of a 45 still in transit). An
  // answer too long for the memory the process may have ends the read with EOF and no input error,
  // with the end-of-file flag set when the answer was the last thing in the input: that too is a
  // read that failed, and errno says why.
  if (std::ferror(io.in) != 0 || (converted == EOF && (errno != 0 || std::feof(io.in) == 0))) {
    return ReportReadError(io, errno);
  }
  if (converted != 1) {
    std::fprintf(io.err, "%s: expected a number for %c%s\n", kProgram, name, InputEnded(io));
  }
  return converted == 1;
}

enum class IntRead { kOk, kNoInteger, kOutOfRange, kReadError };

// An out-of-range number is shown by its sign and up to this many significant digits, then "...".
constexpr std::size_t kShownDigits = 40;
constexpr std::size_t kShownSize = 1 + kShownDigits + sizeof "...";  // sign, digits, "..." and its NUL

// Reads an integer as "%d" does: white space, an optional sign, decimal digits, and the first
// other character left unread. Unlike "%d" it refuses a value that int cannot hold instead of
// wrapping it, and copies what it read into `shown` for the message. After kReadError, errno is
// the reason, from the read that failed.
IntRead ReadInt(std::FILE* in, int* value, char (&shown)[kShownSize]) {
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
  std::size_t shownDigits = 0;
  for (; ch >= '0' && ch <= '9'; ch = std::getc(in)) {
    anyDigit = true;
    if (magnitude == 0 && ch == '0') {
      continue;  // a leading zero: not significant, and not shown
    }
    if (magnitude <= limit) {
      magnitude = (magnitude * 10) + (ch - '0');
    }
    if (shownDigits < kShownDigits) {
      shown[length++] = static_cast<char>(ch);
    } else if (shownDigits == kShownDigits) {
      std::memcpy(shown + length, "...", 3);
      length += 3;
    }
    ++shownDigits;
  }
  shown[length] = '\0';
  if (ch == EOF) {
    if (std::ferror(in) != 0) {
      return IntRead::kReadError;
    }
  } else {
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

// Prompts with `prompt` for the integer to reverse and reads it into `value`.
bool AskInt(const Console& io, const char* prompt, int* value) {
  if (!Written(io, Write(io.out, "%s", prompt)) || !FlushOut(io)) {
    return false;
  }
  char shown[kShownSize];
  errno = 0;  // as for a real number
  switch (ReadInt(io.in, value, shown)) {
    case IntRead::kOk:
      return true;
    case IntRead::kReadError:
      return ReportReadError(io, errno);
    case IntRead::kOutOfRange:
      std::fprintf(io.err, "%s: %s is out of range\n", kProgram, shown);
      return false;
    case IntRead::kNoInteger:
      break;
  }
  std::fprintf(io.err, "%s: expected an integer to reverse%s\n", kProgram, InputEnded(io));
  return false;
}

// Section A: four real numbers, and the value of the formula.
bool RunFormulaSection(const Console& io) {
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
  double d = 0.0;
  return Written(io, Write(io.out, "Part A \nEnter values for a,b,c,d\n")) && AskReal(io, 'a', &a) &&
         AskReal(io, 'b', &b) && AskReal(io, 'c', &c) && AskReal(io, 'd', &d) &&
         Written(io, Write(io.out, "\nYour new result is %.3lf \n ", EvaluateFormula(a, b, c, d)));
}

// Section B: an integer, and the number that ReverseDigits makes of it.
bool RunReversalSection(const Console& io) {
  int x = 0;
  return Written(io, Write(io.out, "\nPartB\n")) &&
         AskInt(io, "Enter a number (integer) from the range [100-999]  and I will reverse it for you :-O\n ", &x) &&
         Written(io, Write(io.out, "\nYour new reversed number is :-D %d \n", ReverseDigits(x)));
}

}  // namespace

double EvaluateFormula(double a, double b, double c, double d) {
  const double first = (a + b) / (c - d);
  const double second = std::sqrt(a + c) / (a - b);
  const double third = (c + b) / (a + c);
  // Added in the order they always have been: where both terms are NaNs, it can decide the sign.
  return (second + first) + third;
}

int ReverseDigits(int x) {
  const int r1 = x / 100;
  const int r2 = (x % 100) / 10;
  const int r3 = x % 10;
  return (r3 * 100) + (r2 * 10) + r1;
}

int RunDrill(std::FILE* in, std::FILE* out, std::FILE* err) {
  const Console io{in, out, err};
  return RunFormulaSection(io) && RunReversalSection(io) && FlushOut(io) ? 0 : 1;
}
