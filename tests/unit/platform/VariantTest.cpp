#include "platform/Variant.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

#include "unit/platform/RaisedNumber.h"

namespace velkor {
namespace {

using platform_test::PlainObject;
using platform_test::RaisedNumber;
using platform_test::ValueObject;

TEST(PlatformVariant, SubtypesAndTypeNames) {
  struct Case {
    Variant value;
    VarType type;
    std::string typeName;
    bool numeric;
  };
  const std::vector<Case> cases{
      {Variant(), VarType::Empty, "Empty", false},
      {Variant::Null(), VarType::Null, "Null", false},
      {Variant::Missing(), VarType::Missing, "Error", false},
      {true, VarType::Boolean, "Boolean", true},
      {std::int16_t{1}, VarType::Integer, "Integer", true},
      {std::int32_t{1}, VarType::Long, "Long", true},
      {1.5, VarType::Double, "Double", true},
      {DateValue{1}, VarType::Date, "Date", true},
      {"x", VarType::String, "String", false},
      {std::string_view("x"), VarType::String, "String", false},
      {Variant::Nothing(), VarType::Object, "Nothing", false},
      {std::make_shared<PlainObject>(), VarType::Object, "Plain", false},
      {ErrorValue{2015}, VarType::Error, "Error", false},
      {SafeArray(std::vector<Variant>{}), VarType::Array, "Variant()", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.value.type(), c.type) << c.typeName;
    EXPECT_EQ(c.value.TypeName(), c.typeName);
    EXPECT_EQ(c.value.IsNumeric(), c.numeric) << c.typeName;
  }
  EXPECT_TRUE(Variant::Nothing().IsNothing());
  EXPECT_FALSE(Variant(std::make_shared<PlainObject>()).IsNothing());
  EXPECT_FALSE(Variant().IsNothing());
  EXPECT_EQ(Variant(ErrorValue{2015}).AsError(), ErrorValue{2015});
}

TEST(PlatformVariant, ArraysCopyByValueObjectsAreShared) {
  Variant original = SafeArray(std::vector<Variant>{1, "a"}, 1);
  Variant copy = original;
  copy.AsArray().at(1) = 99;
  EXPECT_EQ(original.AsArray().at(1).AsLong(), 1);
  EXPECT_EQ(copy.AsArray().at(1).AsLong(), 99);

  Variant assigned;
  assigned = original;
  assigned.AsArray().at(2) = "b";
  EXPECT_EQ(original.AsArray().at(2).AsString(), "a");

  Variant& self = original;
  original = self;
  EXPECT_EQ(original.AsArray().size(), 2u);

  // Nested arrays are values all the way down.
  Variant outer = SafeArray(std::vector<Variant>{original});
  Variant outerCopy = outer;
  outerCopy.AsArray().at(0).AsArray().at(1) = 5;
  EXPECT_EQ(outer.AsArray().at(0).AsArray().at(1).AsLong(), 1);

  auto object = std::make_shared<PlainObject>();
  Variant a = object;
  Variant b = a;
  EXPECT_EQ(a.AsObject(), b.AsObject());
  EXPECT_EQ(object.use_count(), 3);

  Variant moved = std::move(b);
  EXPECT_EQ(moved.AsObject(), object);
}

TEST(PlatformVariant, ObjectAccess) {
  Variant cell = std::make_shared<ValueObject>(1);
  EXPECT_NE(cell.ObjectAs<ValueObject>(), nullptr);
  EXPECT_EQ(cell.ObjectAs<PlainObject>(), nullptr);
  EXPECT_EQ(Variant::Nothing().ObjectAs<PlainObject>(), nullptr);
  EXPECT_EQ(RaisedNumber([] { Variant(1).ObjectOrRaise(); }), 13);
  EXPECT_EQ(RaisedNumber([] { Variant().ObjectAs<PlainObject>(); }), 13);
}

TEST(PlatformSafeArray, OneDimensionWithItsOwnLowerBound) {
  SafeArray array(std::vector<Variant>{10, 20, 30}, 1);
  EXPECT_EQ(array.Dimensions(), 1);
  EXPECT_EQ(array.LBound(), 1);
  EXPECT_EQ(array.UBound(), 3);
  EXPECT_EQ(array.at(3).AsLong(), 30);
  const SafeArray& constArray = array;
  EXPECT_EQ(constArray.at(1).AsLong(), 10);
  const std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  for (std::int32_t i : {0, 4, -1, kMin, kMax}) {
    EXPECT_EQ(RaisedNumber([&] { array.at(i); }), 9) << i;
  }
  EXPECT_EQ(RaisedNumber([&] { array.at(1, 1); }), 9);
  EXPECT_EQ(RaisedNumber([&] { array.Bounds(2); }), 9);
  EXPECT_EQ(RaisedNumber([&] { array.Bounds(0); }), 9);

  SafeArray empty(std::vector<Variant>{}, 5);
  EXPECT_EQ(empty.LBound(), 5);
  EXPECT_EQ(empty.UBound(), 4);
  EXPECT_EQ(RaisedNumber([&] { empty.at(5); }), 9);
  EXPECT_EQ(RaisedNumber([] { SafeArray(std::vector<Variant>{1, 2}, kMax); }), 9);
  EXPECT_EQ(RaisedNumber([] { SafeArray().Bounds(1); }), 9);
}

TEST(PlatformSafeArray, TwoDimensionsRowByRow) {
  SafeArray grid({1, 2}, {0, 3});
  EXPECT_EQ(grid.Dimensions(), 2);
  EXPECT_EQ(grid.size(), 6u);
  EXPECT_EQ(grid.UBound(1), 2);
  EXPECT_EQ(grid.LBound(2), 0);
  EXPECT_EQ(grid.UBound(2), 2);
  grid.at(1, 2) = "r1c2";
  grid.at(2, 0) = "r2c0";
  EXPECT_EQ(grid.items()[2].AsString(), "r1c2");
  EXPECT_EQ(grid.items()[3].AsString(), "r2c0");
  EXPECT_TRUE(grid.at(2, 2).IsEmpty());
  for (auto index : std::vector<std::pair<int, int>>{{0, 0}, {3, 0}, {1, -1}, {1, 3}}) {
    EXPECT_EQ(RaisedNumber([&] { grid.at(index.first, index.second); }), 9)
        << index.first << "," << index.second;
  }
  EXPECT_EQ(RaisedNumber([&] { grid.at(1); }), 9);
  EXPECT_EQ(RaisedNumber([] { SafeArray({1, -1}, {1, 1}); }), 9);
  EXPECT_EQ(RaisedNumber([] { SafeArray({1, 100000}, {1, 100000}); }), 7);
}

}  // namespace
}  // namespace velkor
