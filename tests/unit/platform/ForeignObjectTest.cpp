// Foreign objects and their adapters at the platform level: when an
// interface cast adapts, when it does not, identity through adapters, and
// the two directions between typed events and events by name.
#include "platform/ForeignObject.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/EventsByName.h"
#include "unit/platform/RaisedNumber.h"

namespace velkor {
namespace {

using platform_test::RaisedNumber;

// Two interfaces of the kind the control casts to.
class Shape : public Object {
 public:
  std::string TypeName() const override { return "Shape"; }
  virtual std::string Kind() = 0;
};
class Unadapted : public Object {
 public:
  std::string TypeName() const override { return "Unadapted"; }
};

class Square : public Shape {
 public:
  std::string Kind() override { return "square"; }
};

// Something of another component, reachable by name only.
class Outside : public ForeignObject {
 public:
  explicit Outside(const void* identity = nullptr) : identity_(identity ? identity : this) {}
  std::string TypeName() const override { return "Shape"; }
  Variant Invoke(std::string_view member, InvokeKind, std::span<Variant>) override {
    if (member == "Kind") return Variant("outside");
    Raise(438);
  }
  const void* Identity() const override { return identity_; }

 private:
  const void* identity_;
};

class LateShape : public Shape, public Adapter {
 public:
  explicit LateShape(ObjectPtr target) : target_(std::move(target)) {}
  const ObjectPtr& Target() const override { return target_; }
  std::string Kind() override { return CStr(target_->Invoke("Kind", InvokeKind::PropertyGet, {})); }

 private:
  ObjectPtr target_;
};

class ForeignObjectTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterAdapter<Shape, LateShape>(); }
};

TEST_F(ForeignObjectTest, CastsAdaptOnlyForeignObjectsWithAnAdapter) {
  auto square = std::make_shared<Square>();
  auto outside = std::make_shared<Outside>();
  EXPECT_EQ(ObjectCast<Shape>(square), square) << "a typed object is itself";
  auto adapted = ObjectCast<Shape>(outside);
  ASSERT_TRUE(adapted);
  EXPECT_EQ(adapted->Kind(), "outside");
  EXPECT_EQ(Underlying(adapted), ObjectPtr(outside));
  EXPECT_FALSE(ObjectCast<Unadapted>(outside)) << "no adapter registered";
  EXPECT_FALSE(ObjectCast<Unadapted>(square)) << "a typed object of another kind";
  EXPECT_FALSE(ObjectCast<Shape>(nullptr));
  EXPECT_EQ(Variant(ObjectPtr(outside)).ObjectAs<Shape>()->Kind(), "outside");
  EXPECT_EQ(RaisedNumber([] { Variant(1).ObjectAs<Shape>(); }), 13);
}

TEST_F(ForeignObjectTest, IdentityLooksThroughAdaptersAndViews) {
  auto outside = std::make_shared<Outside>();
  auto otherView = std::make_shared<Outside>(outside.get());  // the same outside object
  auto stranger = std::make_shared<Outside>();
  auto square = std::make_shared<Square>();
  const ObjectPtr adapted = ObjectCast<Shape>(outside);
  struct Row {
    ObjectPtr first, second;
    bool same;
  } rows[] = {
      {adapted, ObjectCast<Shape>(outside), true},  // two adapters of one object
      {adapted, outside, true},
      {adapted, otherView, true},
      {adapted, stranger, false},
      {square, square, true},
      {square, adapted, false},
      {nullptr, nullptr, true},
      {nullptr, adapted, false},
  };
  for (const Row& row : rows) EXPECT_EQ(SameObject(row.first, row.second), row.same);
}

TEST(EventHooks, FirstConnectRunsOnceAndARefusalConnectsNothing) {
  Event<int> event;
  int hooks = 0;
  event.OnFirstConnect([&] { ++hooks; });
  Connection a = event.Connect([](int) {});
  Connection b = event.Connect([](int) {});
  EXPECT_EQ(hooks, 1);
  a.Disconnect();
  b.Disconnect();
  Connection c = event.Connect([](int) {});
  EXPECT_EQ(hooks, 2) << "connecting again after everyone left";

  Event<> refusing;
  refusing.OnFirstConnect([] { Raise(438); });
  EXPECT_EQ(RaisedNumber([&] { Connection d = refusing.Connect([] {}); }), 438);
  EXPECT_EQ(refusing.ConnectionCount(), 0u);
}

TEST(EventsByName, TypedEventsGoOutByNameAndAFlagComesBack) {
  Event<ObjectPtr, bool&> closing;
  std::vector<std::string> seen;
  auto sink = std::make_shared<EventSink>([&](std::string_view name, std::span<Variant> args) {
    seen.push_back(std::string(name) + " " + args[0].TypeName() + " " + CStr(args[1]));
    args[1] = Variant(true);
  });
  Connection c = events::ForwardByName(closing, "BeforeClose", sink);
  bool cancel = false;
  closing.Raise(std::make_shared<Square>(), cancel);
  EXPECT_TRUE(cancel);
  EXPECT_EQ(seen, (std::vector<std::string>{"BeforeClose Shape False"}));
}

TEST_F(ForeignObjectTest, EventsByNameRaiseTypedEventsWithAdaptedArguments) {
  Event<std::shared_ptr<Shape>, bool&> closing;
  std::vector<std::string> seen;
  Connection c = closing.Connect([&](std::shared_ptr<Shape> shape, bool& cancel) {
    seen.push_back(shape ? shape->Kind() : "Nothing");
    cancel = !cancel;
  });
  struct Row {
    std::vector<Variant> args;
    std::vector<std::string> seen;
    Variant flagAfter;
  } rows[] = {
      {{Variant(ObjectPtr(std::make_shared<Outside>())), Variant(false)},
       {"outside"},
       Variant(true)},
      {{Variant::Nothing(), Variant(true)}, {"Nothing"}, Variant(false)},
      {{Variant::Nothing()}, {}, Variant()},  // another event of the same name: ignored
  };
  for (Row& row : rows) {
    seen.clear();
    events::RaiseFromNamed(closing, row.args);
    EXPECT_EQ(seen, row.seen);
    if (row.args.size() == 2) {
      EXPECT_EQ(row.args[1].AsBool(), row.flagAfter.AsBool());
    }
  }
}

}  // namespace
}  // namespace velkor
