// The component adapters over stand-ins seen only by name: calls reach the
// stand-in by the component's member names, objects come back adapted,
// by-reference bounds come back, the components' events arrive as the typed
// events the control handles, and the stand-in's errors surface unchanged.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "adapters/InstallAdapters.h"
#include "control/components/ArchiveDataControl.h"
#include "control/components/ChartTraces.h"
#include "control/components/DataSource.h"
#include "control/components/DataSources.h"
#include "control/components/ExcelDataControl.h"
#include "control/components/PropertySet.h"
#include "control/components/QueryObject.h"
#include "control/components/QuerySpec.h"
#include "control/components/QuerySpecAttribute.h"
#include "control/components/QuerySpecAttributes.h"
#include "control/components/QuerySpecs.h"
#include "control/components/TimeObject.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/ForeignObject.h"
#include "platform/VbString.h"
#include "platform/host/OLEObject.h"
#include "standins/FaultPoints.h"
#include "standins/ForeignView.h"
#include "standins/VirtualNow.h"
#include "standins/components/RegisterDataComponents.h"
#include "standins/components/archive/SimArchiveData.h"
#include "standins/components/excel/SimExcelData.h"
#include "standins/components/library/SimDataProvider.h"
#include "standins/components/library/SimQueryObject.h"
#include "standins/components/library/SimTimeObject.h"
#include "unit/components/chart/ChartFixture.h"
#include "unit/platform/RaisedNumber.h"

namespace velkor::chart_test {
namespace {

template <class T>
std::shared_ptr<T> Adapt(const ObjectPtr& standIn) {
  auto typed = ObjectCast<T>(sim::ForeignView::Wrap(standIn));
  EXPECT_TRUE(dynamic_cast<Adapter*>(typed.get())) << "an adapter, not the stand-in";
  return typed;
}

class ComponentAdaptersTest : public ChartFixture {
 protected:
  ComponentAdaptersTest() { adapters::InstallAdapters(); }
  ~ComponentAdaptersTest() override { sim::ClearFaults(); }
};

TEST_F(ComponentAdaptersTest, ChartMembersReachTheChartByName) {
  auto standIn = AddChart();
  auto chart = Adapt<component::TrendChart>(standIn);
  const std::int32_t id = CLng(chart->AddMenuItem("&Define Trend..."));
  EXPECT_EQ(standIn->MenuItems().back().caption, "&Define Trend...");
  EXPECT_EQ(standIn->MenuItems().back().id, id);

  chart->SetLanguage("1031");
  EXPECT_EQ(standIn->Language(), "1031");
  EXPECT_EQ(chart->Language(), "1031");

  auto properties = chart->GetPropertySet();
  properties->SetTitle("Plant");
  properties->SetValueAttributes(false);
  chart->ApplyPropertySet(properties);
  EXPECT_EQ(standIn->GetPropertySet()->Title(), "Plant");
  EXPECT_FALSE(standIn->GetPropertySet()->ValueAttributes());

  AddFeed("Feed1", {"a", "b"});
  auto source = chart->DataSources()->Add("Feed1", Variant::Missing(), true);
  ASSERT_TRUE(source);
  EXPECT_EQ(source->Name(), "Feed1");
  EXPECT_TRUE(SameObject(chart->DataSources()->Item("Feed1"), source));
  chart->Refresh();
  auto traces = chart->Traces();
  ASSERT_EQ(traces->Count(), 2);
  EXPECT_EQ(traces->Item(1)->DataSource()->Name(), "Feed1");
}

TEST_F(ComponentAdaptersTest, MenuPicksArriveAsTheChartsEvent) {
  auto standIn = AddChart();
  std::vector<std::int32_t> picked;
  {
    auto chart = Adapt<component::TrendChart>(standIn);
    const std::int32_t id = CLng(chart->AddMenuItem("De&lete Trend"));
    Connection connection =
        chart->OnUserDefinedMenuItem.Connect([&](Variant item) { picked.push_back(CLng(item)); });
    standIn->PickMenuItem(id);
    chart->DisableMenuItem(id);
    standIn->PickMenuItem(id);  // greyed: no event
    EXPECT_EQ(picked, (std::vector<std::int32_t>{id}));
  }
  EXPECT_EQ(standIn->OnUserDefinedMenuItem.ConnectionCount(), 0u)
      << "the subscription ends with the adapter";
}

class ArchiveAdapterTest : public ComponentAdaptersTest {
 protected:
  ArchiveAdapterTest() { sim::SetVirtualNow(DateValue{46363.25}); }
  ~ArchiveAdapterTest() override { sim::ResetVirtualNow(); }

  std::shared_ptr<sim::SimArchiveData> standIn = std::make_shared<sim::SimArchiveData>();
  std::shared_ptr<component::ArchiveDataControl> control =
      Adapt<component::ArchiveDataControl>(standIn);
};

TEST_F(ArchiveAdapterTest, SpecificationsAndTheirAttributesComeBackAdapted) {
  control->AddQuerySpec("srv1", "level", "*-8H", "*", false, Variant::Missing(), Variant::Missing(),
                        0);
  control->AddQuerySpec("srv1", "flow", "*-8H", "*", false, Variant::Missing(), Variant::Missing(),
                        0);
  auto specs = control->QueryObject()->QuerySpecs();
  EXPECT_EQ(specs->Count(), 2);
  std::vector<std::string> names;
  for (const auto& spec : specs->Items()) names.push_back(spec->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"\\\\srv1\\level", "\\\\srv1\\flow"}));

  auto attributes = specs->Item(Variant("\\\\srv1\\flow"))->Attributes();
  attributes->Add(10100, "srv1");
  EXPECT_EQ(CStr(attributes->Item(10100)->Value()), "srv1");
  specs->Remove("\\\\srv1\\level");
  EXPECT_EQ(standIn->QueryObject()->QuerySpecs()->Count(), 1);
}

TEST_F(ArchiveAdapterTest, TimeRangeBoundsComeBackByReference) {
  control->SetTimeRange(false, Variant("*-2H"), Variant::Missing(), Variant::Missing());
  Variant start, end;
  control->GetTimeRange(false, start, end, Variant::Missing());
  EXPECT_EQ(CStr(start), "*-2H");
  EXPECT_EQ(CStr(end), standIn->CurrentEndTime()) << "an omitted bound stays";
}

TEST_F(ArchiveAdapterTest, OptionsRoundTripAndFaultsSurfaceUnchanged) {
  control->SetEnableUpdates(true);
  control->SetUpdateInterval(15);
  control->SetEnableMarkers(true);
  EXPECT_EQ(standIn->EnableUpdates(), true);
  EXPECT_EQ(control->UpdateInterval(), 15);
  EXPECT_EQ(control->EnableMarkers(), standIn->EnableMarkers());
  EXPECT_EQ(control->Status(), standIn->Status());

  struct Row {
    const char* point;
    std::function<void()> call;
  } rows[] = {
      {"ArchiveData.Revert", [&] { control->Revert(); }},
      {"ArchiveData.UpdateInterval", [&] { control->UpdateInterval(); }},
      {"ArchiveData.QueryObject", [&] { control->QueryObject(); }},
  };
  for (const Row& row : rows) {
    sim::ArmFault(row.point, 1004);
    EXPECT_EQ(platform_test::RaisedNumber(row.call), 1004) << row.point;
  }
}

TEST_F(ArchiveAdapterTest, DataChangesArriveAsTheControlsEvent) {
  std::vector<std::string> seen;
  Connection connection = control->OnDataChange.Connect([&](ObjectPtr data, Variant mode) {
    seen.push_back((data ? data->TypeName() : std::string("Nothing")) + " " + CStr(mode));
  });
  standIn->OnDataChange.Raise(std::make_shared<sim::SimTimeObject>(), Variant(3));
  standIn->OnDataChange.Raise(nullptr, Variant(1));
  EXPECT_EQ(seen, (std::vector<std::string>{"ZaltTime 3", "Nothing 1"}));
}

TEST_F(ComponentAdaptersTest, WorksheetDataControlsDataChangeAndSwitches) {
  auto standIn = std::make_shared<sim::SimExcelData>();
  auto control = Adapt<component::ExcelDataControl>(standIn);
  int changes = 0;
  Connection connection = control->OnDataChange.Connect([&](ObjectPtr, Variant) { ++changes; });
  standIn->OnDataChange.Raise(nullptr, Variant(0));
  EXPECT_EQ(changes, 1);
  control->SetFirstSwitch(true);
  control->SetSecondSwitch(true);
  EXPECT_TRUE(CBool(standIn->Invoke("FirstSwitch", InvokeKind::PropertyGet, {})));
  EXPECT_TRUE(CBool(standIn->Invoke("SecondSwitch", InvokeKind::PropertyGet, {})));
  EXPECT_TRUE(control->QueryObject());
}

TEST_F(ComponentAdaptersTest, TimeTextsConvertAsTheLibrarySays) {
  sim::SetVirtualNow(DateValue{46363.25});
  auto standIn = std::make_shared<sim::SimTimeObject>();
  auto time = Adapt<component::TimeObject>(standIn);
  for (const char* text : {"*-8H", "*", "1-Dec-2026 06:00"}) {
    time->SetText(text);
    EXPECT_DOUBLE_EQ(time->Value(), standIn->Value()) << text;
  }
  sim::ResetVirtualNow();
}

}  // namespace
}  // namespace velkor::chart_test

// What the stand-ins above do not show: members the tests above leave out,
// the errors of the components passing through, objects handed back to a
// component arriving as its own, and foreign objects that answer otherwise.
namespace velkor::adapters_test {
namespace {

using platform_test::RaisedNumber;

template <class T>
std::shared_ptr<T> ByName(const ObjectPtr& standIn) {
  adapters::InstallAdapters();
  return ObjectCast<T>(sim::ForeignView::Wrap(standIn));
}

std::vector<std::string> SpecNames(const component::QuerySpecs& specs) {
  std::vector<std::string> names;
  for (const auto& spec : specs.Items()) names.push_back(spec->Name());
  return names;
}

using ChartByName = chart_test::ChartFixture;

TEST_F(ChartByName, MenuSwitchesDialogAndTraceOrderReachTheChart) {
  auto standIn = AddChart();
  AddFeed("Arc", {"\\\\srv\\a", "\\\\srv\\b"});
  auto chart = ByName<component::TrendChart>(standIn);

  chart->SetEnabled(false);
  EXPECT_FALSE(standIn->Enabled());
  const std::int32_t id = CLng(chart->AddMenuItem("Mine"));
  chart->DisableMenuItem(id);
  chart->EnableMenuItem(id);
  EXPECT_TRUE(standIn->MenuItems().back().enabled);
  chart->ShowFormatDialog(77);
  EXPECT_EQ(standIn->FormatDialogOwner(), 77);

  auto sources = chart->DataSources();
  sources->Add("Arc", Variant::Missing(), true);
  EXPECT_EQ(sources->Item("Nope"), nullptr);
  auto traces = chart->Traces();
  traces->Reorder(Variant(SafeArray({Variant(std::int32_t{2}), Variant(std::int32_t{1})})));
  EXPECT_EQ(traces->Item(1)->DataObject()->Name(), "\\\\srv\\b");
  EXPECT_EQ(RaisedNumber([&] { traces->Item(3); }), err::kSubscriptOutOfRange);
}

// ------------------------------------------------------- the archive control

constexpr double kNow = 46363.25;  // 2026-12-07 06:00

struct ArchiveByName : ::testing::Test {
  ArchiveByName() { sim::SetVirtualNow(DateValue{kNow}); }
  ~ArchiveByName() override { sim::ResetVirtualNow(); }

  void Add(const std::string& tag) {
    control->AddQuerySpec("srv1", tag, "*-8H", "*", false, Variant::Missing(), Variant::Missing(),
                          0);
  }

  std::shared_ptr<sim::SimArchiveData> standIn = std::make_shared<sim::SimArchiveData>();
  std::shared_ptr<component::ArchiveDataControl> control =
      ByName<component::ArchiveDataControl>(standIn);
};

TEST_F(ArchiveByName, RenameAndRemovalReachTheControlsSpecifications) {
  Add("level");
  Add("flow");
  auto specs = control->QueryObject()->QuerySpecs();
  specs->Item(Variant(std::int32_t{1}))->SetName("renamed");
  auto own = standIn->QueryObject()->QuerySpecs();
  EXPECT_EQ(SpecNames(*own), (std::vector<std::string>{"renamed", "\\\\srv1\\flow"}));
  control->RemoveQuerySpec("srv1", "flow");
  EXPECT_EQ(SpecNames(*specs), std::vector<std::string>{"renamed"});
}

TEST_F(ArchiveByName, TheControlsErrorsArriveUnchanged) {
  Add("level");
  auto specs = control->QueryObject()->QuerySpecs();
  struct Row {
    const char* what;
    std::function<void()> call;
    HRESULT expected;
  } rows[] = {
      {"duplicate", [&] { Add("LEVEL"); }, err::kDuplicateSpec},
      {"remove unknown", [&] { control->RemoveQuerySpec("srv1", "flow"); }, err::kSpecNotHeld},
      {"item unknown", [&] { specs->Item(Variant("nope")); }, err::kSpecNotHeld},
      {"item out of range", [&] { specs->Item(Variant(std::int32_t{5})); },
       err::kSubscriptOutOfRange},
      {"attribute unknown", [&] { specs->Item(Variant(std::int32_t{1}))->Attributes()->Item(7); },
       err::kSpecNotHeld},
      {"bad time text",
       [&] { control->SetTimeRange(false, Variant("*-1H"), Variant("soon"), Variant::Missing()); },
       err::kTypeMismatch},
  };
  for (const auto& row : rows) EXPECT_EQ(RaisedNumber(row.call), row.expected) << row.what;
}

// ----------------------------------------------------- the worksheet control

constexpr double kDay1 = 46363.0;

struct ExcelByName : host_test::HostFixture {
  ExcelByName() {
    sim::RegisterDataComponents(*registry);
    NewBook();
    SafeArray grid({1, 3}, {1, 2});
    const Variant cells[3][2] = {{Variant("Time"), Variant("Flow")},
                                 {Variant(DateValue{kDay1}), Variant(1.5)},
                                 {Variant(DateValue{kDay1 + 1}), Variant(2.5)}};
    for (std::int32_t r = 1; r <= 3; ++r)
      for (std::int32_t c = 1; c <= 2; ++c) grid.at(r, c) = cells[r - 1][c - 1];
    driver.SetCells("Sheet1!A1:B3", Variant(std::move(grid)));
    auto frame = driver.InsertObject("Sheet1!", sim::SimExcelData::kProgId, 0, 0, 100, 40);
    standIn = std::dynamic_pointer_cast<sim::SimExcelData>(frame->Object());
    control = ByName<component::ExcelDataControl>(standIn);
  }

  std::shared_ptr<sim::SimExcelData> standIn;
  std::shared_ptr<component::ExcelDataControl> control;
};

// The control hands back objects it got from the data control; the data
// control recognises them only as its own, not as the control's adapters.
TEST_F(ExcelByName, ObjectsHandedBackArriveAsTheControlsOwn) {
  control->BeginGroupedChange();
  control->AddQuerySpecs("Sheet1!A1:B3", Variant(true), Variant(false), Variant(false),
                         Variant(false), Variant::Missing(), Variant::Missing(), false);
  control->EndGroupedChange();
  auto specs = control->QueryObject()->QuerySpecs();
  EXPECT_EQ(SpecNames(*specs), std::vector<std::string>{"Flow"});
  EXPECT_EQ(RaisedNumber([&] { control->RereadSpec(specs->Item(Variant("Flow"))->Attributes()); }),
            0);

  control->QueryObject()->SetDataProvider(control->DataProvider());
  auto query = std::dynamic_pointer_cast<sim::SimQueryObject>(standIn->QueryObject());
  ASSERT_NE(query, nullptr);
  auto provider = std::dynamic_pointer_cast<sim::SimDataProvider>(query->Provider());
  ASSERT_NE(provider, nullptr);
  EXPECT_EQ(provider->Control(), standIn);

  control->RemoveQuerySpec(Variant("Flow"));
  EXPECT_EQ(standIn->QueryObject()->QuerySpecs()->Count(), 0);
}

TEST(TimeObjectByName, TextsThatAreNoTimeAreATypeMismatch) {
  sim::SetVirtualNow(DateValue{kNow});
  auto time = ByName<component::TimeObject>(std::make_shared<sim::SimTimeObject>());
  for (const char* text : {"", "never", "*-8"}) {
    time->SetText(text);
    EXPECT_EQ(RaisedNumber([&] { time->Value(); }), err::kTypeMismatch) << text;
  }
  sim::ResetVirtualNow();
}

// ------------------------------------- foreign objects that answer otherwise

// A foreign object that answers reads of its members with fixed values and
// keeps the arguments of the last call.
class Scripted : public Object {
 public:
  explicit Scripted(std::map<std::string, Variant> members = {}) : members_(std::move(members)) {}
  std::string TypeName() const override { return "Scripted"; }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override {
    lastArgs.assign(args.begin(), args.end());
    for (const auto& [name, value] : members_)
      if (vb::EqualsText(name, member)) return kind == InvokeKind::PropertyLet ? Variant() : value;
    return Object::Invoke(member, kind, args);
  }

  std::vector<Variant> lastArgs;

 private:
  std::map<std::string, Variant> members_;
};

ObjectPtr ScriptedWith(std::map<std::string, Variant> members) {
  return std::make_shared<Scripted>(std::move(members));
}

TEST(ForeignComponents, ResultsOfTheWrongKindRaiseTheRuntimeErrors) {
  auto spec = ScriptedWith({{"Name", Variant("a")}});
  struct Row {
    const char* what;
    std::map<std::string, Variant> members;
    std::function<void(const ObjectPtr&)> call;
    HRESULT expected;
  } rows[] = {
      {"member lacking",
       {},
       [](auto& o) { ByName<component::TrendChart>(o)->Refresh(); },
       err::kNoSupport},
      {"text for a collection",
       {{"Traces", Variant("t")}},
       [](auto& o) { ByName<component::TrendChart>(o)->Traces(); },
       err::kTypeMismatch},
      {"text for a count",
       {{"Count", Variant("many")}},
       [](auto& o) { ByName<component::QuerySpecs>(o)->Count(); },
       err::kTypeMismatch},
      {"enumerator no array",
       {{"_NewEnum", Variant(std::int32_t{3})}},
       [](auto& o) { ByName<component::QuerySpecs>(o)->Items(); },
       err::kTypeMismatch},
      {"enumerator holding a text",
       {{"_NewEnum", Variant(SafeArray({Variant("a")}))}},
       [](auto& o) { ByName<component::QuerySpecs>(o)->Items(); },
       err::kTypeMismatch},
      {"enumerator holding Nothing",
       {{"_NewEnum", Variant(SafeArray({Variant(spec), Variant::Nothing()}))}},
       [](auto& o) { ByName<component::QuerySpecs>(o)->Items(); },
       err::kObjectNotSet},
      {"unused result of no object",
       {{"QueryData", Variant(true)}},
       [](auto& o) { ByName<component::ArchiveDataControl>(o)->QueryData(Variant::Missing()); },
       0},
  };
  for (const auto& row : rows)
    EXPECT_EQ(RaisedNumber([&] { row.call(ScriptedWith(row.members)); }), row.expected) << row.what;
}

TEST(ForeignComponents, NothingComesBackAsNullAndItemsAsAdapters) {
  auto spec = ScriptedWith({{"Name", Variant("a")}});
  auto chart = ByName<component::TrendChart>(
      ScriptedWith({{"DataSources", Variant::Nothing()}, {"PropertySet", Variant::Nothing()}}));
  EXPECT_EQ(chart->DataSources(), nullptr);
  EXPECT_EQ(chart->GetPropertySet(), nullptr);

  auto specs = ByName<component::QuerySpecs>(
      ScriptedWith({{"_NewEnum", Variant(SafeArray({Variant(spec), Variant(spec)}, 0))}}));
  auto items = specs->Items();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[1]->Name(), "a");
  EXPECT_TRUE(SameObject(items[0], items[1]));
}

// Omitted arguments stay omitted, and a typed object the control hands over
// arrives as the foreign object itself, not as the control's adapter of it.
TEST(ForeignComponents, ArgumentsPassThroughUnchanged) {
  auto sources =
      std::make_shared<Scripted>(std::map<std::string, Variant>{{"Add", Variant::Nothing()}});
  ByName<component::DataSources>(sources)->Add("Arc", Variant::Missing(), true);
  ASSERT_EQ(sources->lastArgs.size(), 3u);
  EXPECT_TRUE(sources->lastArgs[1].IsMissing());
  EXPECT_TRUE(VarEquals(sources->lastArgs[2], Variant(true)));

  auto properties = std::make_shared<Scripted>();
  auto chart = std::make_shared<Scripted>(std::map<std::string, Variant>{{"ApplyPropertySet", {}}});
  ByName<component::TrendChart>(chart)->ApplyPropertySet(
      ByName<component::PropertySet>(properties));
  ASSERT_EQ(chart->lastArgs.size(), 1u);
  EXPECT_EQ(chart->lastArgs[0].AsObject(), properties);
}

TEST(ForeignComponents, ObjectsOfTheControlsOwnAreNotAdapted) {
  adapters::InstallAdapters();
  ObjectPtr own = std::make_shared<sim::SimTimeObject>();
  EXPECT_EQ(ObjectCast<component::TimeObject>(own), own);
  EXPECT_EQ(ObjectCast<component::TrendChart>(own), nullptr);

  auto view = sim::ForeignView::Wrap(own);
  auto first = ObjectCast<component::TimeObject>(view);
  auto second = ObjectCast<component::TimeObject>(view);
  EXPECT_NE(dynamic_cast<const Adapter*>(first.get()), nullptr);
  EXPECT_TRUE(SameObject(first, second));
  EXPECT_TRUE(SameObject(first, own));
  EXPECT_EQ(ObjectCast<component::TimeObject>(first), first);
}

}  // namespace
}  // namespace velkor::adapters_test
