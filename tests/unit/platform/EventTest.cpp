#include "platform/Event.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace velkor {
namespace {

TEST(PlatformEvent, HandlersRunInConnectionOrderWhileConnected) {
  Event<int> event;
  std::vector<std::string> calls;
  Connection a = event.Connect([&](int v) { calls.push_back("a" + std::to_string(v)); });
  Connection b = event.Connect([&](int v) { calls.push_back("b" + std::to_string(v)); });
  EXPECT_EQ(event.ConnectionCount(), 2u);
  event.Raise(1);
  b.Disconnect();
  EXPECT_FALSE(b.Connected());
  event.Raise(2);
  {
    Connection scoped = event.Connect([&](int) { calls.push_back("scoped"); });
  }
  event.Raise(3);
  EXPECT_EQ(calls, (std::vector<std::string>{"a1", "b1", "a2", "a3"}));
  EXPECT_EQ(event.ConnectionCount(), 1u);
}

TEST(PlatformEvent, ReassigningAConnectionDropsTheOldOne) {
  Event<> event;
  int first = 0;
  int second = 0;
  Connection c = event.Connect([&] { ++first; });
  c = event.Connect([&] { ++second; });
  event.Raise();
  EXPECT_EQ(first, 0);
  EXPECT_EQ(second, 1);
  Connection moved = std::move(c);
  EXPECT_FALSE(c.Connected());
  EXPECT_TRUE(moved.Connected());
  event.Raise();
  EXPECT_EQ(second, 2);
}

TEST(PlatformEvent, HandlersMayDisconnectDuringARaise) {
  Event<> event;
  std::vector<std::string> calls;
  Connection self;
  Connection later;
  self = event.Connect([&] {
    calls.push_back("self");
    self.Disconnect();
    later.Disconnect();
  });
  later = event.Connect([&] { calls.push_back("later"); });
  Connection added;
  Connection adder = event.Connect([&] {
    calls.push_back("adder");
    if (!added.Connected()) added = event.Connect([&] { calls.push_back("added"); });
  });
  event.Raise();
  event.Raise();
  EXPECT_EQ(calls, (std::vector<std::string>{"self", "adder", "adder", "added"}));
}

TEST(PlatformEvent, SourceMayBeDestroyedDuringARaise) {
  auto event = std::make_unique<Event<>>();
  int calls = 0;
  Connection killer = event->Connect([&] {
    ++calls;
    event.reset();
  });
  Connection after = event->Connect([&] { ++calls; });
  event->Raise();
  EXPECT_EQ(calls, 2);  // the raise finishes on its own snapshot
  EXPECT_FALSE(killer.Connected());
  killer.Disconnect();  // harmless once the source is gone
}

}  // namespace
}  // namespace velkor
