// The script host must fail a run at the first error the script leaves
// unhandled, and only then, and say where it happened.
#include <gtest/gtest.h>
#include <objbase.h>

#include "script/ScriptHost.h"

namespace velkor::script_test {
namespace {

class ScriptHostTest : public ::testing::Test {
 protected:
  void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  void TearDown() override { CoUninitialize(); }
};

TEST_F(ScriptHostTest, EchoedLinesComeBackInOrder) {
  auto run = RunVbScript("Host.Echo \"one\"\r\nHost.Echo 2 + 3\r\nHost.Echo \"\xC3\xA4\"\r\n");
  ASSERT_TRUE(run.started) << run.setupFailure;
  EXPECT_FALSE(run.failed) << Describe(run.error);
  EXPECT_EQ(run.lines, (std::vector<std::string>{"one", "5", "\xC3\xA4"}));
}

struct FailingScript {
  const char* source;
  long number;
  unsigned long line;
  std::size_t linesBefore;
};

// One row per way a script can fail.
const FailingScript kFailing[] = {
    {"Host.Echo \"a\"\r\nErr.Raise 11\r\nHost.Echo \"b\"\r\n", static_cast<long>(0x800A000B), 2, 1},
    {"Err.Raise 94\r\n", static_cast<long>(0x800A005E), 1, 0},
    {"Host.Echo \"a\"\r\nHost.NoSuchMember\r\n", static_cast<long>(0x800A01B6), 2, 1},
};

TEST_F(ScriptHostTest, AnUnhandledErrorEndsTheRunAndSaysWhere) {
  for (const auto& row : kFailing) {
    SCOPED_TRACE(row.source);
    auto run = RunVbScript(row.source);
    ASSERT_TRUE(run.started) << run.setupFailure;
    ASSERT_TRUE(run.failed);
    EXPECT_EQ(run.error.number, row.number) << Describe(run.error);
    EXPECT_EQ(run.error.line, row.line);
    EXPECT_EQ(run.lines.size(), row.linesBefore);
  }
}

TEST_F(ScriptHostTest, ASyntaxErrorFailsTheRunBeforeAnythingRuns) {
  auto run = RunVbScript("Host.Echo \"a\"\r\nIf Then\r\n");
  ASSERT_TRUE(run.started) << run.setupFailure;
  EXPECT_TRUE(run.failed);
  EXPECT_TRUE(run.lines.empty());
}

TEST_F(ScriptHostTest, ErrorsTheScriptHandlesDoNotFailTheRun) {
  auto run = RunVbScript(
      "On Error Resume Next\r\nErr.Raise 11\r\nHost.Echo Err.Number\r\nErr.Clear\r\n"
      "Host.Echo Err.Number\r\n");
  ASSERT_TRUE(run.started) << run.setupFailure;
  EXPECT_FALSE(run.failed) << Describe(run.error);
  EXPECT_EQ(run.lines, (std::vector<std::string>{"11", "0"}));
}

}  // namespace
}  // namespace velkor::script_test
