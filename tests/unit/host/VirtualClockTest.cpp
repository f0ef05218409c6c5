#include <gtest/gtest.h>

#include "platform/ErrorNumbers.h"
#include "platform/host/HostModel.h"
#include "standins/host/VirtualClock.h"
#include "unit/host/HostFixture.h"

namespace velkor::host_test {
namespace {

std::shared_ptr<sim::SimTimer> Timer(sim::VirtualClock& clock, std::int32_t interval,
                                     std::vector<std::string>& log, const std::string& name) {
  auto timer = clock.CreateTimer();
  timer->SetInterval(interval);
  timer->OnTick = [&log, &clock, name] { log.push_back(name + "@" + std::to_string(clock.Now())); };
  timer->SetEnabled(true);
  return timer;
}

TEST(VirtualClockTest, EnabledTimersFireInDueTimeOrder) {
  auto clock = sim::VirtualClock::Create();
  std::vector<std::string> log;
  auto slow = Timer(*clock, 5000, log, "slow");
  auto fast = Timer(*clock, 2000, log, "fast");
  auto idle = Timer(*clock, 1000, log, "idle");
  idle->SetEnabled(false);
  clock->Advance(4999);
  clock->Advance(6001);
  EXPECT_EQ(log, (std::vector<std::string>{"fast@2000", "fast@4000", "slow@5000", "fast@6000",
                                           "fast@8000", "slow@10000", "fast@10000"}));
  EXPECT_EQ(clock->Now(), 11000);
}

TEST(VirtualClockTest, EnablingOrChangingTheIntervalRestartsTheCount) {
  auto clock = sim::VirtualClock::Create();
  std::vector<std::string> log;
  auto timer = Timer(*clock, 5000, log, "t");
  clock->Advance(3000);
  timer->SetInterval(5000);
  clock->Advance(4000);
  EXPECT_TRUE(log.empty());
  timer->SetEnabled(false);
  clock->Advance(10000);
  timer->SetEnabled(true);
  clock->Advance(5000);
  EXPECT_EQ(log, std::vector<std::string>{"t@22000"});
  timer->SetInterval(0);
  clock->Advance(100000);
  EXPECT_EQ(log.size(), 1u);
  EXPECT_EQ(RaisedNumber([&] { timer->SetInterval(-1); }), err::kInvalidProcedureCall);
  EXPECT_EQ(RaisedNumber([&] { clock->Advance(-1); }), err::kInvalidProcedureCall);
}

TEST(VirtualClockTest, ATickMayStopOtherTimersOrDropThemWhileTicking) {
  auto clock = sim::VirtualClock::Create();
  std::vector<std::string> log;
  auto first = Timer(*clock, 1000, log, "first");
  auto second = Timer(*clock, 1000, log, "second");
  auto third = Timer(*clock, 1000, log, "third");
  first->OnTick = [&] {
    log.push_back("first");
    second->SetEnabled(false);
    third.reset();
    first.reset();  // drops the ticking timer itself
  };
  clock->Advance(3000);
  EXPECT_EQ(log, std::vector<std::string>{"first"});
  EXPECT_EQ(clock->RunningTimerCount(), 0u);
}

using ControlTimerTest = HostFixture;

TEST_F(ControlTimerTest, SiteTimersRunOnTheHostsClockUntilTheControlIsDeleted) {
  NewBook();
  auto sheet = app->ActiveSheet();
  auto frame = sheet->OLEObjects()->Add(kRecorderProgId, Variant(0.0), Variant(0.0), Variant(10.0),
                                        Variant(10.0));
  auto timer = ControlOf(frame)->site->CreateTimer();
  int ticks = 0;
  timer->OnTick = [&] {
    if (++ticks == 2) sheet->OLEObjects()->Item(Variant("Recorder1"))->Delete();
  };
  timer->SetInterval(5000);
  timer->SetEnabled(true);
  frame = nullptr;
  driver.Advance(60000);
  EXPECT_EQ(ticks, 2);
  timer->SetEnabled(true);  // a terminated control's timer stays silent
  driver.Advance(60000);
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(sheet->OLEObjects()->Count(), 0);
}

}  // namespace
}  // namespace velkor::host_test
