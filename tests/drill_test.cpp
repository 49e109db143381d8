#include "drill.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>

#include "test_streams.h"

namespace {

// The result as the dialogue prints it; any NaN as "nan", since its sign is the FPU's choice.
std::string Shown(double value) {
  if (std::isnan(value)) {
    return "nan";
  }
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

TEST(EvaluateFormula, GivesThePrintedResult) {
  const struct {
    double a, b, c, d;
    const char* expected;
  } cases[] = {
      {1, 2, 3, 4, "-3.750"},
      {2, 1, 2, 0, "4.250"},
      {5, 3, 4, 2, "6.278"},  // 6.2777...: rounded, not cut
      {4, 0, 0, 2, "-1.500"},
      {1, 2, 3, 3, "inf"},                                // c = d
      {2, 2, 1, 0, "inf"},                                // a = b with a + c > 0
      {-5, 1, 1, 0, "nan"},                               // a + c < 0
      {1, 2, -1, 0, "inf"},                               // a + c = 0: the last term divides by zero
      {-2, 1, 3, 3, "-inf"},                              // c = d with a + b < 0
      {0.5, 1e16, 0.25, -1e16, "13333333333333334.000"},  // only (X + Y) + Z gives this
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Shown(EvaluateFormula(c.a, c.b, c.c, c.d)), c.expected)
        << c.a << ", " << c.b << ", " << c.c << ", " << c.d;
  }
}

TEST(ReverseDigits, ReversesTheLastThreeDigits) {
  const struct {
    int x;
    int expected;
  } cases[] = {
      {123, 321},  {907, 709},   {999, 999}, {101, 101},          {100, 1},
      {910, 19},   {120, 21},    {5, 500},   {45, 540},           {0, 0},
      {1234, 442}, {-123, -321}, {-5, -500}, {INT_MAX, 21475576}, {INT_MIN, -21475676},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReverseDigits(c.x), c.expected) << c.x;
  }
}

// One run of the drill between test streams: its exit status and what it wrote to each stream.
struct DrillRun {
  int status;
  std::string out;
  std::string err;
  bool operator==(const DrillRun&) const = default;
};

void PrintTo(const DrillRun& run, std::ostream* os) {
  *os << "status " << run.status << ", out " << ::testing::PrintToString(run.out) << ", err "
      << ::testing::PrintToString(run.err);
}

DrillRun Drill(Source& source, Sink& sink, int mode) {
  std::FILE* in = OpenSource(source);
  std::FILE* out = OpenSink(sink, mode);
  char* err = nullptr;
  std::size_t errSize = 0;
  std::FILE* errStream = open_memstream(&err, &errSize);
  DrillRun run{RunDrill(in, out, errStream), sink.written, ""};  // before the close flushes anything more
  std::fclose(errStream);
  std::fclose(in);
  std::fclose(out);
  run.err.assign(err, errSize);
  std::free(err);
  return run;
}

const char* const kAnswers = "1 2 3 4\n123\n";

TEST(RunDrill, StopsAtTheFirstFailedWriteAndGivesItsReason) {
  const std::string dialogue =
      "Part A \nEnter values for a,b,c,d\nEnter a\nEnter b\nEnter c\nEnter d\n\nYour new result is -3.750 \n \n"
      "PartB\nEnter a number (integer) from the range [100-999]  and I will reverse it for you :-O\n \n"
      "Your new reversed number is :-D 321 \n";
  for (const int mode : {_IOFBF, _IOLBF, _IONBF}) {
    Source all{kAnswers};
    Sink unlimited;
    ASSERT_EQ(Drill(all, unlimited, mode), (DrillRun{0, dialogue, ""})) << "mode " << mode;
    for (std::size_t room = 0; room < dialogue.size(); ++room) {
      Source source{kAnswers};
      Sink sink{"", room, EPIPE};
      EXPECT_EQ(Drill(source, sink, mode),
                (DrillRun{1, dialogue.substr(0, room), "mathdrill: write error: Broken pipe\n"}))
          << "mode " << mode << ", room " << room;
    }
  }
}

TEST(RunDrill, StopsAtAReadThatMeetsAnInputError) {
  const struct {
    const char* input;  // then the read fails with `error`
    int error;
    const char* lastPrompt;
  } cases[] = {
      {"", EIO, "Enter a\n"},          {"1 2 3 4", EAGAIN, "Enter d\n"},  // the 4 may be the start of 45
      {"1 2 3 4\n", EAGAIN, ":-O\n "}, {"1 2 3 4\n12", EAGAIN, ":-O\n "}, {"1 2 3 4\n \n", EIO, ":-O\n "},
      {"1 2 ", EINTR, "Enter c\n"},    {"1 2 3 4\n1", EINTR, ":-O\n "},   {"1 2 3 4\n-", EAGAIN, ":-O\n "},
  };
  for (const auto& c : cases) {
    Source source{c.input, c.error};
    Sink sink;
    const DrillRun run = Drill(source, sink, _IOFBF);
    EXPECT_EQ(run.status, 1) << c.input;
    EXPECT_EQ(run.err, std::string("mathdrill: read error: ") + std::strerror(c.error) + "\n") << c.input;
    EXPECT_TRUE(run.out.ends_with(c.lastPrompt)) << run.out;
  }
}

// The C library holds a real answer whole while it reads it, so one too long for the memory that
// the process may have fails the read, and must not be told as a bad answer: whether the read
// fails while it still grows its buffer, or at the end of the input, where the answer fills the
// buffer exactly and its terminating NUL needs one twice the size.
TEST(RunDrill, AnAnswerTooLongForTheMemoryItMayHaveIsAReadError) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit would leave";
#endif
  const struct {
    std::size_t digits, headroom;
  } cases[] = {{std::size_t{1} << 20, std::size_t{3} << 19}, {std::size_t{1} << 24, std::size_t{4} << 20}};
  for (const auto& c : cases) {
    Source digits{std::string(c.digits, '1')};
    Sink sink;
    char statm[128] = "";  // the address space's size in pages comes first
    std::FILE* file = std::fopen("/proc/self/statm", "r");
    ASSERT_NE(std::fgets(statm, sizeof statm, file), nullptr);
    std::fclose(file);
    const long pages = std::strtol(statm, nullptr, 10);
    rlimit saved{};
    getrlimit(RLIMIT_AS, &saved);
    rlimit limited = saved;
    limited.rlim_cur = static_cast<rlim_t>(pages * sysconf(_SC_PAGESIZE)) + c.headroom;
    ASSERT_EQ(setrlimit(RLIMIT_AS, &limited), 0);
    const DrillRun run = Drill(digits, sink, _IOFBF);
    setrlimit(RLIMIT_AS, &saved);
    EXPECT_EQ(run, (DrillRun{1, "Part A \nEnter values for a,b,c,d\nEnter a\n",
                             "mathdrill: read error: Cannot allocate memory\n"}))
        << c.digits << " digits";
  }
}

// Reports go to err, and "the input ended" is judged by the drill's input: stdin here is at its end.
TEST(RunDrill, ReportsOnErrAboutItsOwnInputNotStdin) {
  const struct {
    const char* input;
    const char* err;
  } cases[] = {
      {"1 2", "mathdrill: expected a number for c, but the input ended\n"},
      {"1 2 3 4\nx", "mathdrill: expected an integer to reverse\n"},
      {"1 2 3 4\n-2147483649", "mathdrill: -2147483649 is out of range\n"},
  };
  Source ended;
  std::FILE* const savedStdin = stdin;
  stdin = OpenSource(ended);
  std::getc(stdin);
  for (const auto& c : cases) {
    Source source{c.input};
    Sink sink;
    EXPECT_EQ(Drill(source, sink, _IOFBF).err, c.err);
    EXPECT_EQ(std::getc(stdin), EOF) << "the drill touched stdin";
  }
  std::fclose(stdin);
  stdin = savedStdin;
}

}  // namespace
