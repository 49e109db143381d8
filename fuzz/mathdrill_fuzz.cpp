// Feeds arbitrary bytes to the drill's dialogue and checks the run against the same bytes read
// independently with scanf: the whole dialogue and status 0 when all five answers are there,
// else the dialogue cut after the prompt of the first bad answer, one diagnostic line, status 1.
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "drill.h"

namespace {

// The answers that "%lf" and "%lld" find; "%lld" is wide enough to tell an int overflow.
struct Answers {
  int count = 0;
  double real[4] = {};
  long long integer = 0;
};

Answers ReadAnswers(std::FILE* in) {
  Answers v;
  while (v.count < 4 && std::fscanf(in, "%lf", &v.real[v.count]) == 1) {
    ++v.count;
  }
  if (v.count == 4 && std::fscanf(in, "%lld", &v.integer) == 1 && v.integer >= INT_MIN && v.integer <= INT_MAX) {
    ++v.count;
  }
  return v;
}

std::string ExpectedOutput(const Answers& v) {
  std::string text = "Part A \nEnter values for a,b,c,d\n";
  for (int i = 0; i < 4; ++i) {
    text += std::string("Enter ") + "abcd"[i] + "\n";
    if (v.count == i) {
      return text;
    }
  }
  char line[400];  // DBL_MAX alone prints 309 digits
  std::snprintf(line, sizeof line, "\nYour new result is %.3lf \n \nPartB\n",
                EvaluateFormula(v.real[0], v.real[1], v.real[2], v.real[3]));
  text += line;
  text += "Enter a number (integer) from the range [100-999]  and I will reverse it for you :-O\n ";
  if (v.count == 4) {
    return text;
  }
  std::snprintf(line, sizeof line, "\nYour new reversed number is :-D %d \n",
                ReverseDigits(static_cast<int>(v.integer)));
  return text + line;
}

std::FILE* OpenInput(const std::uint8_t* data, size_t size) {
  static char none = 0;  // fmemopen refuses an empty buffer: use one byte, already read
  std::FILE* in =
      fmemopen(size == 0 ? static_cast<void*>(&none) : const_cast<std::uint8_t*>(data), size == 0 ? 1 : size, "r");
  if (in != nullptr && size == 0) {
    std::fgetc(in);
  }
  return in;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  std::FILE* oracleIn = OpenInput(data, size);
  std::FILE* in = OpenInput(data, size);
  char* out = nullptr;
  char* err = nullptr;
  size_t outSize = 0;
  size_t errSize = 0;
  std::FILE* outStream = open_memstream(&out, &outSize);
  std::FILE* errStream = open_memstream(&err, &errSize);
  if (oracleIn == nullptr || in == nullptr || outStream == nullptr || errStream == nullptr) {
    std::abort();
  }
  const Answers answers = ReadAnswers(oracleIn);
  const int status = RunDrill(in, outStream, errStream);
  for (std::FILE* stream : {oracleIn, in, outStream, errStream}) {
    std::fclose(stream);
  }

  const std::string output(out, outSize);
  const std::string diagnostics(err, errSize);
  const bool clean = status == 0 && diagnostics.empty();
  const bool oneDiagnostic =
      status == 1 && diagnostics.starts_with("mathdrill: ") && diagnostics.find('\n') == diagnostics.size() - 1;
  if (output != ExpectedOutput(answers) || (answers.count == 5 ? !clean : !oneDiagnostic)) {
    std::fprintf(stderr, "status %d\n--- output ---\n%s\n--- diagnostics ---\n%s\n", status, output.c_str(),
                 diagnostics.c_str());
    std::abort();
  }
  std::free(out);
  std::free(err);
  return 0;
}
