#include "control/EventBound.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace velkor {
namespace {

struct Source {
  Event<int> Fired;
};

class ControlEventBound : public ::testing::Test {
 protected:
  EventBound<Source> member{[this](Source& s) {
    EventBound<Source>::Connections c;
    c.push_back(s.Fired.Connect([this](int v) { received.push_back(v); }));
    return c;
  }};
  std::vector<int> received;
};

TEST_F(ControlEventBound, AssignConnectsAndReassignDisconnectsThePrevious) {
  auto first = std::make_shared<Source>();
  auto second = std::make_shared<Source>();
  member.Assign(first);
  first->Fired.Raise(1);
  member.Assign(second);
  first->Fired.Raise(2);
  second->Fired.Raise(3);
  EXPECT_EQ(received, (std::vector<int>{1, 3}));
  EXPECT_EQ(first->Fired.ConnectionCount(), 0u);
  EXPECT_EQ(member.get(), second);
}

TEST_F(ControlEventBound, ClearDisconnectsAndHoldsNothing) {
  auto source = std::make_shared<Source>();
  member.Assign(source);
  member.Clear();
  source->Fired.Raise(1);
  EXPECT_TRUE(received.empty());
  EXPECT_FALSE(member);
}

TEST_F(ControlEventBound, AssigningTheSameObjectAgainKeepsOneConnection) {
  auto source = std::make_shared<Source>();
  member.Assign(source);
  member.Assign(source);
  source->Fired.Raise(7);
  EXPECT_EQ(received, std::vector<int>{7});
}

TEST(ControlEventBoundFailure, AFailingConnectorLeavesTheMemberAsItWas) {
  bool fail = false;
  EventBound<Source> member([&](Source& s) {
    EventBound<Source>::Connections c;
    c.push_back(s.Fired.Connect([](int) {}));
    if (fail) throw std::runtime_error("no events");
    return c;
  });
  auto first = std::make_shared<Source>();
  member.Assign(first);
  fail = true;
  auto second = std::make_shared<Source>();
  EXPECT_THROW(member.Assign(second), std::runtime_error);
  EXPECT_EQ(member.get(), first);
  EXPECT_EQ(first->Fired.ConnectionCount(), 1u);
  EXPECT_EQ(second->Fired.ConnectionCount(), 0u);
}

TEST(ControlEventBoundLifetime, DestroyingTheMemberDisconnects) {
  auto source = std::make_shared<Source>();
  {
    EventBound<Source> member([](Source& s) {
      EventBound<Source>::Connections c;
      c.push_back(s.Fired.Connect([](int) {}));
      return c;
    });
    member.Assign(source);
    EXPECT_EQ(source->Fired.ConnectionCount(), 1u);
  }
  EXPECT_EQ(source->Fired.ConnectionCount(), 0u);
}

}  // namespace
}  // namespace velkor
