// The component adapters over stand-ins seen only by name: calls reach the
// stand-in by the component's member names, objects come back adapted,
// by-reference bounds come back, the components' events arrive as the typed
// events the control handles, and the stand-in's errors surface unchanged.
#include <gtest/gtest.h>

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
#include "platform/ForeignObject.h"
#include "standins/FaultPoints.h"
#include "standins/ForeignView.h"
#include "standins/VirtualNow.h"
#include "standins/components/archive/SimArchiveData.h"
#include "standins/components/excel/SimExcelData.h"
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
