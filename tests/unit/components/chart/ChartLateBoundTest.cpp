#include <gtest/gtest.h>

#include <vector>

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "unit/components/chart/ChartFixture.h"

namespace velkor::chart_test {
namespace {

using ChartLateBoundTest = ChartFixture;

Variant Call(const ObjectPtr& target, std::string_view member, InvokeKind kind,
             std::vector<Variant> args = {}) {
  return target->Invoke(member, kind, args);
}

Variant Get(const ObjectPtr& target, std::string_view member, std::vector<Variant> args = {}) {
  return Call(target, member, InvokeKind::PropertyGet, std::move(args));
}

TEST_F(ChartLateBoundTest, ScriptsReachTheChartAndItsCollectionsByName) {
  auto chart = AddChart();
  AddFeed("Arc", {"\\\\srv\\a", "\\\\srv\\b"});
  const ObjectPtr object = chart;

  Call(object, "language", InvokeKind::PropertyLet, {Variant("1049")});
  EXPECT_EQ(CStr(Get(object, "Language")), "1049");
  auto id = CLng(Call(object, "AddMenuItem", InvokeKind::Method, {Variant("F&ormat...")}));
  Call(object, "DisableMenuItem", InvokeKind::Method, {Variant(id)});
  EXPECT_FALSE(chart->MenuItems().back().enabled);

  auto sources = Get(object, "DataSources").AsObject();
  Call(sources, "Add", InvokeKind::Method, {Variant("Arc")});
  EXPECT_EQ(CLng(Get(sources, "Count")), 1);
  EXPECT_EQ(CStr(Get(Get(sources, "Item", {Variant(std::int32_t{1})}).AsObject(), "Name")), "Arc");
  EXPECT_TRUE(Get(sources, "Item", {Variant("Nope")}).IsNothing());

  auto traces = Get(object, "Traces").AsObject();
  SafeArray order({Variant(std::int32_t{2}), Variant(std::int32_t{1})});
  Call(traces, "Reorder", InvokeKind::Method, {Variant(order)});
  auto first = Get(traces, "Item", {Variant(std::int32_t{1})}).AsObject();
  EXPECT_EQ(CStr(Get(Get(first, "DataObject").AsObject(), "Name")), "\\\\srv\\b");
  EXPECT_EQ(CStr(Get(Get(first, "DataSource").AsObject(), "Name")), "Arc");

  auto properties = Get(object, "PropertySet").AsObject();
  Call(properties, "Title", InvokeKind::PropertyLet, {Variant("Plotvane")});
  Call(properties, "ValueAttributes", InvokeKind::PropertyLet, {Variant(true)});
  Call(object, "ApplyPropertySet", InvokeKind::Method, {Variant(properties)});
  EXPECT_EQ(chart->Display(), (sim::ChartDisplay{"Plotvane", true}));

  Call(object, "ShowFormatDialog", InvokeKind::Method, {Variant(std::int32_t{77})});
  EXPECT_EQ(chart->FormatDialogOwner(), 77);
}

TEST_F(ChartLateBoundTest, WrongUsesRaiseTheRuntimeErrors) {
  auto chart = AddChart();
  const ObjectPtr object = chart;
  EXPECT_EQ(RaisedNumber([&] { Get(object, "NoSuchMember"); }), err::kNoSupport);
  EXPECT_EQ(RaisedNumber([&] { Call(object, "Traces", InvokeKind::PropertyLet, {Variant(1.0)}); }),
            err::kNoSupport);
  EXPECT_EQ(RaisedNumber([&] { Call(object, "Refresh", InvokeKind::Method, {Variant(1.0)}); }),
            err::kWrongArgCount);
  auto sources = Get(object, "DataSources").AsObject();
  EXPECT_EQ(RaisedNumber([&] { Call(sources, "Add", InvokeKind::Method, {Variant::Missing()}); }),
            err::kArgNotOptional);
  EXPECT_EQ(RaisedNumber([&] { Get(sources, "Item", {Variant(std::int32_t{1})}); }),
            err::kSubscriptOutOfRange);
}

}  // namespace
}  // namespace velkor::chart_test
