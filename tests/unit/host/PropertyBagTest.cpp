#include <gtest/gtest.h>

#include "platform/ErrorNumbers.h"
#include "standins/host/SimPropertyBag.h"
#include "unit/common/ScaledWork.h"
#include "unit/host/HostFixture.h"

namespace velkor::sim {
namespace {

using host_test::RaisedNumber;

TEST(PropertyBagTest, AValueEqualToItsDefaultIsNotWritten) {
  struct Case {
    Variant value, defaultValue;
    bool stored;
  };
  const Case cases[] = {
      {Variant("ExcelTrendWizard1"), Variant("ExcelTrendWizard1"), false},
      {Variant("ExcelTrendwizard1"), Variant("ExcelTrendWizard1"), true},  // case counts
      {Variant(true), Variant(true), false},
      {Variant(false), Variant(true), true},
      {Variant(), Variant(""), false},
      {Variant(""), Variant(""), false},
      {Variant("*-8H"), Variant(""), true},
      {Variant(std::int32_t{0}), Variant(0.0), false},
      {Variant(std::int32_t{5}), Variant(0.0), true},
      {Variant::Null(), Variant(""), true},
  };
  for (const auto& c : cases) {
    SimPropertyBag bag;
    bag.WriteProperty("Key", c.value, c.defaultValue);
    EXPECT_EQ(bag.Contains("Key"), c.stored) << c.value.TypeName();
  }
}

TEST(PropertyBagTest, AnAbsentKeyReadsAsTheDefaultOfTheRead) {
  SimPropertyBag bag;
  bag.WriteProperty("WizardControlName", Variant("ExcelTrendWizard1"),
                    Variant("ExcelTrendWizard1"));
  EXPECT_EQ(bag.ReadProperty("WizardControlName", Variant("ExcelTrendwizard1")).AsString(),
            "ExcelTrendwizard1");
  bag.WriteProperty("TrendName", Variant("ZaltTrend1_Sheet1"), Variant(""));
  EXPECT_EQ(bag.ReadProperty("trendname", Variant("")).AsString(), "ZaltTrend1_Sheet1");
}

TEST(PropertyBagTest, ValuesKeepTheirSubtypeAndWriteOrder) {
  SimPropertyBag bag;
  bag.WriteProperty("b", Variant(std::int16_t{7}), Variant(std::int16_t{0}));
  bag.WriteProperty("a", Variant(DateValue{46363.25}), Variant());
  bag.WriteProperty("b", Variant(std::int16_t{8}), Variant(std::int16_t{0}));
  ASSERT_EQ(bag.Entries().size(), 2u);
  EXPECT_EQ(bag.Entries()[0].first, "b");
  EXPECT_EQ(bag.ReadProperty("b", Variant()).type(), VarType::Integer);
  EXPECT_EQ(bag.ReadProperty("a", Variant()).type(), VarType::Date);
  bag.WriteProperty("b", Variant(std::int16_t{0}), Variant(std::int16_t{0}));
  EXPECT_FALSE(bag.Contains("b"));  // writing the default drops the earlier value
}

TEST(PropertyBagTest, ObjectsAndArraysCannotBeStored) {
  SimPropertyBag bag;
  EXPECT_EQ(RaisedNumber([&] { bag.WriteProperty("o", Variant::Nothing(), Variant()); }),
            err::kTypeMismatch);
  EXPECT_EQ(RaisedNumber([&] { bag.WriteProperty("m", Variant::Missing(), Variant()); }),
            err::kTypeMismatch);
  EXPECT_TRUE(bag.Entries().empty());
}

TEST(PropertyBagTest, ReadsAndWritesTakeTimeInProportionToTheBag) {
  test::ExpectLinear(
      [](int n) {
        PropertyList entries;
        for (int i = 0; i < n; ++i) entries.emplace_back("Key" + std::to_string(i), Variant(1.0));
        SimPropertyBag bag(std::move(entries));
        for (int i = 0; i < n; ++i) {
          bag.ReadProperty("KEY" + std::to_string(i), Variant());
          bag.ReadProperty("Absent" + std::to_string(i), Variant());
          bag.WriteProperty("New" + std::to_string(i), Variant(2.0), Variant());
        }
      },
      5000);
}

TEST(PropertyBagTest, OfKeysEqualButForCaseTheFirstIsRead) {
  SimPropertyBag bag({{"Key", Variant(1.0)}, {"KEY", Variant(2.0)}, {"Ключ", Variant(3.0)}});
  EXPECT_EQ(bag.ReadProperty("key", Variant()).AsDouble(), 1.0);
  EXPECT_EQ(bag.ReadProperty("КЛЮЧ", Variant()).AsDouble(), 3.0);
  bag.WriteProperty("kEY", Variant(), Variant());  // the default drops the first
  EXPECT_EQ(bag.ReadProperty("key", Variant()).AsDouble(), 2.0);
  bag.WriteProperty("kEy", Variant(5.0), Variant());
  EXPECT_EQ(bag.Entries().size(), 2u);
  EXPECT_EQ(bag.Entries()[0].first, "KEY");
  EXPECT_EQ(bag.ReadProperty("key", Variant()).AsDouble(), 5.0);
}

}  // namespace
}  // namespace velkor::sim
