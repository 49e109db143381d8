#include "arrays.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "test_streams.h"

namespace {

using Ints = std::vector<int>;

TEST(SelectionSort, SortsAscendingKeepingEveryValue) {
  const struct {
    Ints input;
    Ints expected;
  } cases[] = {
      {{}, {}},
      {{5}, {5}},
      {{7, 3}, {3, 7}},
      {{3, 3}, {3, 3}},
      {{9, 8, 7, 6, 5, 4, 3, 2, 1}, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}},
      {{4, 1, 4, 1, 4, 1}, {1, 1, 1, 4, 4, 4}},
      {{0, -1, INT_MAX, INT_MIN, 1}, {INT_MIN, -1, 0, 1, INT_MAX}},
      {{30, 100, 65, 30, 100, 99, 31}, {30, 30, 31, 65, 99, 100, 100}},
  };
  for (const auto& c : cases) {
    Ints x = c.input;
    x.push_back(-7);  // sentinel past the count
    SelectionSort(x.data(), static_cast<int>(c.input.size()));
    x.pop_back();
    EXPECT_EQ(x, c.expected) << ::testing::PrintToString(c.input);
  }
}

TEST(Merge, CombinesBothInputsSortedAndLeavesThemUnchanged) {
  const struct {
    Ints a;
    Ints b;
    int nb;  // what the caller passes; only na and nc may bound the copy
    Ints expected;
    int nc = static_cast<int>(a.size() + b.size());
    int na = static_cast<int>(a.size());
  } cases[] = {
      {{}, {5, 1, 3}, 3, {1, 3, 5}},
      {{9, 2}, {}, 0, {2, 9}},
      {{4, 4, 7}, {7, 4, 1}, 3, {1, 4, 4, 4, 7, 7}},
      {{1, 3, 5}, {2, 4, 6}, 3, {1, 2, 3, 4, 5, 6}},
      {{8, -2}, {6}, 0, {-2, 6, 8}},
      {{8, -2}, {6}, 99, {-2, 6, 8}},
      {{8}, {6}, 1, {}, -1},  // a count below 0: no element is touched
      {{8}, {6}, 1, {}, INT_MIN},
      {{8}, {6, 5}, 2, {6}, 1, -1},  // a is empty, so c starts with b[0]
  };
  for (const auto& c : cases) {
    const Ints a = c.a;
    const Ints b = c.b;
    Ints out(c.expected.size() + 1, -7);
    Merge(a.data(), c.na, b.data(), c.nb, out.data(), c.nc);
    EXPECT_EQ(out.back(), -7) << "wrote past nc";
    out.pop_back();
    EXPECT_EQ(out, c.expected);
    EXPECT_EQ(a, c.a);
    EXPECT_EQ(b, c.b);
  }
}

TEST(RandInt, StaysInItsBoundsCoversThemAndTakesOneDrawPerCall) {
  std::srand(1);
  std::set<int> seen;
  for (int i = 0; i < 20000; ++i) {
    seen.insert(RandInt(30, 100));
  }
  EXPECT_EQ(seen.size(), 71U);
  EXPECT_EQ(*seen.begin(), 30);
  EXPECT_EQ(*seen.rbegin(), 100);

  std::srand(5);
  std::rand();
  std::rand();
  const int third = std::rand();
  std::srand(5);
  EXPECT_EQ(RandInt(5, 5) + RandInt(5, 5), 10);
  EXPECT_EQ(std::rand(), third);
}

TEST(RandInt, TakesTheWidestRangeWithoutOverflow) {
  for (int i = 0; i < 1000; ++i) {
    EXPECT_GE(RandInt(1, INT_MAX), 1);
  }
}

TEST(SetArrayRand, TakesExactlyNDrawsInIndexOrder) {
  for (const int n : {-1, 0, 1, 7, 50}) {
    std::srand(3);
    Ints expected;
    for (int i = 0; i < n; ++i) {
      expected.push_back(RandInt(30, 100));
    }
    const int next = std::rand();
    std::srand(3);
    Ints x(expected.size() + 1, -7);
    SetArrayRand(x.data(), n);
    EXPECT_EQ(x.back(), -7) << "n=" << n << " wrote past the count";
    x.pop_back();
    EXPECT_EQ(x, expected);
    EXPECT_EQ(std::rand(), next) << "n=" << n << " took other than n draws";
  }
}

// PrintArray into `sink` instead of standard output (glibc's stdout is a plain variable): its
// result, and what reached `sink` by then, with the buffer flushed only after a success.
struct Printed {
  bool ok;
  int error;
  std::string written;
};

Printed PrintArrayInto(Sink& sink, int mode, const char* name, const Ints& values, int nx) {
  std::FILE* const saved = stdout;
  stdout = OpenSink(sink, mode);
  errno = ERANGE;  // left by some earlier call: only PrintArray's own failures may show
  Printed printed{PrintArray(name, values.data(), nx), errno, ""};
  if (printed.ok) {
    std::fflush(stdout);
  }
  printed.written = sink.written;
  std::fclose(stdout);
  stdout = saved;
  return printed;
}

TEST(PrintArray, WritesHeadingThenOneValuePerLine) {
  const struct {
    const char* name;
    Ints values;
    std::string expected;
    int nx = static_cast<int>(values.size());
  } cases[] = {
      {"Array c", {}, "Array c\n"},  // the heading alone
      {"Array c", {30, 100}, "Array c\n30\n100\n"},
      {"x", {-5, 0, 42}, "x\n-5\n0\n42\n"},
      {"", {INT_MIN, INT_MAX}, "\n-2147483648\n2147483647\n"},
      {"Array c", {30}, "Array c\n", -1},  // a count below 0: no element is read
  };
  for (const auto& c : cases) {
    Sink sink;
    const Printed printed = PrintArrayInto(sink, _IOFBF, c.name, c.values, c.nx);
    EXPECT_TRUE(printed.ok);
    EXPECT_EQ(printed.written, c.expected);
  }
}

TEST(PrintArray, StopsAtTheFirstFailedWriteAndGivesItsReason) {
  const Ints values = {30, 31, 100};
  const std::string expected = "Array c\n30\n31\n100\n";
  for (const int mode : {_IOLBF, _IONBF}) {  // fully buffered, it only fills the buffer
    for (std::size_t room = 0; room < expected.size(); ++room) {
      Sink sink{"", room, EIO};
      const Printed printed = PrintArrayInto(sink, mode, "Array c", values, 3);
      EXPECT_EQ(printed.error, EIO) << "mode " << mode << ", room " << room;
      EXPECT_EQ(printed.written, expected.substr(0, room)) << "mode " << mode << ", room " << room;
    }
  }
}

}  // namespace
