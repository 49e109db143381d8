// Feeds arbitrary bytes to the drill's dialogue as its input and checks the run against the
// same bytes read independently: the whole dialogue and status 0 when all five answers are
// there, else the dialogue cut right after the prompt of the first bad answer, one diagnostic
// line, and status 1.
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "drill.h"

namespace {

// The answers that scanf's own "%lf" and "%lld" find, in order; "%lld" is wide enough to
// tell an integer that int cannot hold.
struct Answers {
  int count = 0;
  double real[4] = {};
  int integer = 0;
};

Answers ReadAnswers(std::FILE* in) {
  Answers answers;
  for (; answers.count < 4; ++answers.count) {
    if (std::fscanf(in, "%lf", &answers.real[answers.count]) != 1) {
      return answers;
    }
  }
  long long wide = 0;
  if (std::fscanf(in, "%lld", &wide) == 1 && wide >= INT_MIN && wide <= INT_MAX) {
    answers.integer = static_cast<int>(wide);
    ++answers.count;
  }
  return answers;
}

std::string ExpectedOutput(const Answers& answers) {
  std::string text = "Part A \nEnter values for a,b,c,d\n";
  for (int i = 0; i < 4; ++i) {
    text += std::string("Enter ") + "abcd"[i] + "\n";
    if (answers.count == i) {
      return text;
    }
  }
  char line[400];  // DBL_MAX alone prints 309 digits
  const Answers& v = answers;
  std::snprintf(line, sizeof line, "\nYour new result is %.3lf \n ",
                EvaluateFormula(v.real[0], v.real[1], v.real[2], v.real[3]));
  text += line;
  text += "\nPartB\nEnter a number (integer) from the range [100-999]  and I will reverse it for you :-O\n ";
  if (answers.count == 4) {
    return text;
  }
  std::snprintf(line, sizeof line, "\nYour new reversed number is :-D %d \n", ReverseDigits(v.integer));
  return text + line;
}

std::FILE* OpenInput(const std::uint8_t* data, size_t size) {
  // fmemopen refuses an empty buffer, so the empty input is a one-byte buffer already read.
  static char empty = 0;
  if (size == 0) {
    std::FILE* in = fmemopen(&empty, 1, "r");
    std::fgetc(in);
    return in;
  }
  return fmemopen(const_cast<std::uint8_t*>(data), size, "r");
}

void Require(bool holds, const char* what, std::string_view out, std::string_view err) {
  if (!holds) {
    std::fprintf(stderr, "violated: %s\n--- output ---\n%.*s\n--- diagnostics ---\n%.*s\n", what,
                 static_cast<int>(out.size()), out.data(), static_cast<int>(err.size()), err.data());
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  std::FILE* oracleIn = OpenInput(data, size);
  std::FILE* in = OpenInput(data, size);
  char* outText = nullptr;
  char* errText = nullptr;
  size_t outSize = 0;
  size_t errSize = 0;
  std::FILE* out = open_memstream(&outText, &outSize);
  std::FILE* err = open_memstream(&errText, &errSize);
  if (oracleIn == nullptr || in == nullptr || out == nullptr || err == nullptr) {
    std::abort();
  }

  const Answers answers = ReadAnswers(oracleIn);
  const int status = RunDrill(in, out, err);
  std::fclose(oracleIn);
  std::fclose(in);
  std::fclose(out);
  std::fclose(err);

  const std::string_view output(outText, outSize);
  const std::string_view diagnostics(errText, errSize);
  Require(output == ExpectedOutput(answers), "output is not the dialogue up to the first bad answer", output,
          diagnostics);
  if (answers.count == 5) {
    Require(status == 0 && diagnostics.empty(), "complete answers, yet not a clean success", output, diagnostics);
  } else {
    Require(status == 1, "a bad answer, yet status is not 1", output, diagnostics);
    Require(diagnostics.starts_with("mathdrill: ") && diagnostics.find('\n') == diagnostics.size() - 1,
            "not exactly one diagnostic line", output, diagnostics);
  }
  std::free(outText);
  std::free(errText);
  return 0;
}
