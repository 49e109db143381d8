#include "output.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "test_streams.h"

namespace {

TEST(Write, GivesNoReasonWhereItsWriteGaveNone) {
  Sink sink{"", 3, 0};  // fails without setting errno
  std::FILE* const stream = OpenSink(sink, _IONBF);
  errno = ERANGE;  // left by an earlier call
  EXPECT_FALSE(Write(stream, "%s %d\n", "Array", 5));
  EXPECT_EQ(errno, 0);
  EXPECT_EQ(sink.written, "Arr");
  std::fclose(stream);
}

TEST(CloseStdout, ReportsAFailedFlushOrCloseWithItsReason) {
  const struct {
    std::size_t room;
    int closeError;
    const char* expected;
    bool flushedBefore = false;  // by a caller that did not look at the result
  } cases[] = {
      {SIZE_MAX, 0, ""},
      {3, 0, "prog: write error: No space left on device\n"},          // the pending output does not fit
      {SIZE_MAX, EDQUOT, "prog: write error: Disk quota exceeded\n"},  // only the close tells
      {3, EDQUOT, "prog: write error: No space left on device\n"},     // the first failure is the reason
      {3, 0, "prog: write error: reason unknown\n", true},             // only the error indicator tells
  };
  for (const auto& c : cases) {
    Sink sink{"", c.room, ENOSPC, c.closeError};
    char* err = nullptr;
    std::size_t errSize = 0;
    std::FILE* const savedOut = stdout;
    std::FILE* const savedErr = stderr;
    stdout = OpenSink(sink, _IOFBF);
    stderr = open_memstream(&err, &errSize);
    std::fputs("pending", stdout);
    if (c.flushedBefore) {
      std::fflush(stdout);
    }
    const int status = CloseStdout("prog");
    std::fclose(stderr);
    stdout = savedOut;
    stderr = savedErr;
    EXPECT_EQ(status, c.expected[0] == '\0' ? 0 : 1) << c.expected;
    EXPECT_EQ(std::string(err, errSize), c.expected);
    std::free(err);
  }
}

}  // namespace
