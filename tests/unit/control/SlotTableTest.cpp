#include <gtest/gtest.h>

#include <set>
#include <string>

#include "control/ExcelTrendWizard.h"
#include "control/SlotArgs.h"
#include "control/SlotBindings.h"
#include "control/Slots.h"
#include "platform/ErrorNumbers.h"
#include "unit/control/Fakes.h"
#include "unit/control/InvokeHelpers.h"
#include "unit/platform/RaisedNumber.h"

namespace velkor::slots {
namespace {

using platform_test::RaisedNumber;

std::size_t IndexOf(std::string_view name, SlotKind kind) {
  auto all = PublishedSlots();
  for (std::size_t i = 0; i < all.size(); ++i)
    if (all[i].name == name && all[i].kind == kind) return i;
  return all.size();
}

TEST(ControlSlots, PublishedOrderPlacesTheMembersAsTheTypeLibraryDoes) {
  auto all = PublishedSlots();
  ASSERT_EQ(all.size(), 77u);
  EXPECT_EQ(all.front().name, "bExcelDCRemoved");
  EXPECT_EQ(all.back().name, "ShellMsgBox");
  struct Anchor {
    std::string_view name;
    SlotKind kind;
    std::size_t index;
  };
  const Anchor anchors[] = {
      {"objTrend", SlotKind::Get, 4},          {"ExcelAddQuerySpecs", SlotKind::Method, 10},
      {"EnableUpdates", SlotKind::Let, 16},    {"EnableUpdates", SlotKind::Get, 17},
      {"ShowWizard", SlotKind::Method, 26},    {"ExcelDcName", SlotKind::Get, 27},
      {"objTrend", SlotKind::Let, 56},         {"ExcelDcName", SlotKind::Let, 65},
      {"Timer_Connect", SlotKind::Method, 70}, {"LanguageID", SlotKind::Let, 75},
  };
  for (const auto& a : anchors) EXPECT_EQ(IndexOf(a.name, a.kind), a.index) << a.name;
}

TEST(ControlSlots, PropertySettersCarryThePublishedParameterNames) {
  const std::pair<std::string_view, std::string_view> setters[] = {
      {"objTrend", "oTrend"},         {"objExcelDC", "oExcelDC"},
      {"objZaltArcDC", "oZaltArcDC"}, {"ZaltArcDCConnected", "bConnected"},
      {"LanguageID", "sLangID"},      {"TraceInfo", "New_TraceInfo"},
      {"xTrendTitle", "vData"},       {"ValueAttributes", "vData"},
      {"TrendName", "vNewValue"},     {"bIsExport", "vNewValue"},
  };
  for (const auto& [member, param] : setters) {
    const Slot* slot = FindSlot(member, SlotKind::Let);
    ASSERT_NE(slot, nullptr) << member;
    ASSERT_EQ(slot->params.size(), 1u);
    EXPECT_EQ(slot->params[0].name, param) << member;
  }
  EXPECT_TRUE(FindSlot("objTrend", SlotKind::Let)->params[0].byRef);
}

TEST(ControlSlots, EventsAndEnumerationsArePublished) {
  auto events = PublishedEvents();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].dispId, 1);
  EXPECT_EQ(events[0].name, "ZaltOnDataChange");
  EXPECT_EQ(events[1].dispId, 2);
  EXPECT_EQ(events[1].name, "ExcelOnDataChange");
  auto enums = PublishedEnums();
  ASSERT_EQ(enums.size(), 2u);
  EXPECT_EQ(enums[0].constants.back().name, "kzwOpenfromCopy_PasteMenu");
  EXPECT_EQ(enums[0].constants.back().value, 5);
  EXPECT_EQ(enums[1].constants.front().value, 10100);
}

TEST(ControlSlots, EveryBindingServesAPublishedSlotOnce) {
  std::set<std::pair<std::string_view, SlotKind>> seen;
  for (const Binding& b : Bindings()) {
    EXPECT_NE(FindSlot(b.name, b.kind), nullptr) << b.name;
    EXPECT_TRUE(seen.emplace(b.name, b.kind).second) << "bound twice: " << b.name;
  }
}

TEST(ControlSlots, EachMemberHasOneStableDispatchIdForBothAccessors) {
  std::set<std::int32_t> ids;
  for (const Slot& s : PublishedSlots()) {
    auto id = MemberDispId(s.name);
    ASSERT_NE(id, 0) << s.name;
    EXPECT_EQ(MemberOfDispId(id), s.name);
    ids.insert(id);
  }
  EXPECT_EQ(MemberDispId("bExcelDCRemoved"), kFirstMemberDispId);
  EXPECT_EQ(MemberDispId("bzaltarcdcremoved"), kFirstMemberDispId + 1);
  EXPECT_EQ(*ids.rbegin() - kFirstMemberDispId + 1, static_cast<std::int32_t>(ids.size()));
  EXPECT_EQ(MemberDispId("NoSuchMember"), 0);
  EXPECT_EQ(MemberOfDispId(0), "");
  EXPECT_EQ(MemberOfDispId(kFirstMemberDispId + static_cast<std::int32_t>(ids.size())), "");
}

TEST(ControlSlotArgs, OmittedOptionalArgumentsTakeTheirDeclaredDefaults) {
  const Slot& slot = *FindSlot("ExcelAddQuerySpecs", SlotKind::Method);
  Variant given[] = {"Sheet1!$A$1:$B$9", Variant::Missing(), true};
  SlotArgs args(slot, given);
  EXPECT_EQ(args.String(0), "Sheet1!$A$1:$B$9");
  EXPECT_EQ(args[1].type(), VarType::Integer);
  EXPECT_EQ(args[1].AsInteger(), 0);
  EXPECT_TRUE(args[2].AsBool());
  EXPECT_EQ(args[5].AsString(), "");
  EXPECT_TRUE(args[6].IsMissing());
  EXPECT_EQ(args[7].type(), VarType::Boolean);
  EXPECT_FALSE(args[7].AsBool());

  const Slot& add = *FindSlot("ZaltAddQuerySpec", SlotKind::Method);
  Variant zalt[] = {"srv", "tag"};
  SlotArgs z(add, zalt);
  EXPECT_EQ(z[2].AsString(), "*-8H");
  EXPECT_EQ(z[3].AsString(), "*");
  EXPECT_FALSE(z.Boolean(6));

  const Slot& box = *FindSlot("ShellMsgBox", SlotKind::Method);
  Variant prompt[] = {"x"};
  SlotArgs b(box, prompt);
  EXPECT_EQ(b.String(1), "");
  EXPECT_EQ(b.Long(2), 65);
  EXPECT_EQ(SlotArgs(*FindSlot("ShowWizard", SlotKind::Method), {}).Long(0), 0);
}

TEST(ControlSlotArgs, ByReferenceArgumentsAreWrittenBackInTheirDeclaredType) {
  const Slot& slot = *FindSlot("ZaltAddQuerySpec", SlotKind::Method);
  Variant given[] = {" srv1 ", std::int32_t{7}, Variant::Missing()};
  SlotArgs args(slot, given);
  args.String(0) = "srv1";
  args.WriteBack(given);
  EXPECT_EQ(given[0].AsString(), "srv1");
  ASSERT_TRUE(given[1].IsString());  // the Long became the String parameter's text
  EXPECT_EQ(given[1].AsString(), "7");
  EXPECT_TRUE(given[2].IsMissing());  // nothing to write an omitted argument into

  const Slot& box = *FindSlot("ShellMsgBox", SlotKind::Method);
  Variant byValue[] = {std::int32_t{5}};
  SlotArgs(box, byValue).WriteBack(byValue);
  EXPECT_EQ(byValue[0].type(), VarType::Long);
}

TEST(ControlSlotArgs, ArgumentErrorsAreTheRuntimes) {
  const Slot& box = *FindSlot("ShellMsgBox", SlotKind::Method);
  const Slot& flag = *FindSlot("tglStartTime", SlotKind::Let);
  const Slot& chart = *FindSlot("objTrend", SlotKind::Let);
  struct Case {
    const Slot* slot;
    std::vector<Variant> given;
    std::int32_t error;
  };
  const Case cases[] = {
      {&box, {"a", "b", std::int32_t{1}, std::int32_t{2}}, err::kWrongArgCount},
      {&box, {}, err::kWrongArgCount},
      {&box, {Variant::Missing()}, err::kArgNotOptional},
      {&box, {"a", "b", "many"}, err::kTypeMismatch},
      {&box, {Variant::Null()}, err::kTypeMismatch},
      {&flag, {"perhaps"}, err::kTypeMismatch},
      {&chart, {std::int32_t{3}}, err::kTypeMismatch},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RaisedNumber([&] { SlotArgs args(*c.slot, c.given); }), c.error) << c.slot->name;
  }
}

class ControlDispatch : public ::testing::Test {
 protected:
  ExcelTrendWizard control;
};

TEST_F(ControlDispatch, UnknownMembersAndMissingKindsAreNotSupported) {
  std::vector<Variant> none;
  EXPECT_EQ(RaisedNumber([&] { test::CallMethod(control, "NoSuchMember", none); }),
            err::kNoSupport);
  EXPECT_EQ(RaisedNumber([&] { test::LetProp(control, "TrendSheetName", "x"); }), err::kNoSupport);
  EXPECT_EQ(RaisedNumber([&] { test::GetProp(control, "xTrendTitle"); }), err::kNoSupport);
}

TEST_F(ControlDispatch, TooManyArgumentsForAPropertyAreRefused) {
  Variant extra[] = {std::int32_t{1}};
  EXPECT_EQ(RaisedNumber([&] { control.Invoke("TrendName", InvokeKind::PropertyGet, extra); }),
            err::kWrongArgCount);
  Variant two[] = {"a", "b"};
  EXPECT_EQ(RaisedNumber([&] { control.Invoke("TrendName", InvokeKind::PropertyLet, two); }),
            err::kWrongArgCount);
}

TEST_F(ControlDispatch, NamesIgnoreCaseAndPropertiesMayBeCalledLikeFunctions) {
  test::LetProp(control, "trendname", "ZaltTrend1_Sheet1");
  std::vector<Variant> none;
  EXPECT_EQ(test::CallMethod(control, "TRENDNAME", none).AsString(), "ZaltTrend1_Sheet1");
  auto chart = std::make_shared<test::FakeChart>();
  Variant set[] = {chart};
  control.Invoke("objTrend", InvokeKind::PropertySet, set);
  EXPECT_EQ(control.m_objTrend.get(), chart);
  Variant text[] = {"x"};
  EXPECT_EQ(RaisedNumber([&] { control.Invoke("TrendName", InvokeKind::PropertySet, text); }),
            err::kNoSupport);
}

TEST_F(ControlDispatch, PlainAccessorsStoreTheConvertedArgument) {
  test::LetProp(control, "tglEndTime", "True");
  test::LetProp(control, "strtxtEndTime", std::int32_t{12});
  test::LetProp(control, "StartGroupedChange", std::int32_t{1});
  EXPECT_TRUE(control.tglEndTime);
  EXPECT_EQ(control.strtxtEndTime, "12");
  EXPECT_TRUE(test::GetProp(control, "StartGroupedChange").AsBool());
}

}  // namespace
}  // namespace velkor::slots
