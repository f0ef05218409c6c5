// The control seen from a script: the calls of tests/com/control-calls.txt
// made through the platform's VBScript engine on the registered velkor.dll
// give, line by line, what the same calls give in process through the
// control's own late-bound path. Needs the library registered (the test's
// ctest fixture registers it).
#include <gtest/gtest.h>
#include <objbase.h>

#include <fstream>
#include <sstream>

#include "com/server/Module.h"
#include "control/ComIdentity.h"
#include "control/ExcelTrendWizard.h"
#include "script/CallTable.h"
#include "script/ScriptHost.h"

namespace velkor::script_test {
namespace {

// What a script's control has when no container holds it: no extender, no
// parent, user mode, a timer that never ticks.
class NoTimer : public host::ControlTimer {
 public:
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool on) override { enabled_ = on; }
  std::int32_t Interval() const override { return interval_; }
  void SetInterval(std::int32_t ms) override { interval_ = ms; }

 private:
  bool enabled_ = false;
  std::int32_t interval_ = 0;
};

class NoContainer : public host::ControlSite {
 public:
  bool AmbientUserMode() const override { return true; }
  std::string ExtenderName() const override { return {}; }
  ObjectPtr Parent() const override { return nullptr; }
  void PropertyChanged(std::string_view) override {}
  std::int32_t WindowHandle() const override { return 0; }
  std::shared_ptr<host::ControlTimer> CreateTimer() override { return std::make_shared<NoTimer>(); }
};

std::string ReadFile(const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

class ScriptSuite : public ::testing::Test {
 protected:
  void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  void TearDown() override { CoUninitialize(); }
};

TEST_F(ScriptSuite, ScriptAndInProcessCallsGiveTheSameResults) {
  auto calls = ParseCallTable(ReadFile(VELKOR_CONTROL_CALLS));
  ASSERT_FALSE(calls.empty());

  // The services the library gives each thread, so that both runs report
  // to the same log and read the same settings.
  com::EnsureThreadServices();
  auto control = std::make_shared<ExcelTrendWizard>();
  control->SetSite(std::make_shared<NoContainer>());
  control->Initialize();
  auto expected = RunInProcess(calls, *control, com_identity::kTypeLibName);
  control->Terminate();

  auto script = ToVbScript(calls, com_identity::kControlProgId);
  auto run = RunVbScript(script);
  ASSERT_TRUE(run.started) << run.setupFailure;
  ASSERT_FALSE(run.failed) << Describe(run.error) << "\n" << script;
  ASSERT_EQ(run.lines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(run.lines[i], expected[i]);
}

}  // namespace
}  // namespace velkor::script_test
