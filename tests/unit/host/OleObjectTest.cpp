#include <gtest/gtest.h>

#include "platform/ErrorNumbers.h"
#include "platform/host/HostModel.h"
#include "standins/host/SimControlSite.h"
#include "standins/host/SimOLEObject.h"
#include "standins/host/SimWorkbook.h"
#include "unit/host/HostFixture.h"

namespace velkor::host_test {
namespace {

using OleObjectTest = HostFixture;

host::OLEObjectPtr AddRecorder(host::Worksheet& sheet, double left = 10, double top = 20) {
  return sheet.OLEObjects()->Add(kRecorderProgId, Variant(left), Variant(top), Variant(300.0),
                                 Variant(200.0));
}

TEST_F(OleObjectTest, NewObjectsGetUniqueDefaultNamesAndTheirGeometry) {
  NewBook();
  auto sheet = app->ActiveSheet();
  auto first = AddRecorder(*sheet);
  auto second = AddRecorder(*sheet);
  auto plain = sheet->OLEObjects()->Add(kPlainProgId, Variant::Missing(), Variant::Missing(),
                                        Variant::Missing(), Variant::Missing());
  EXPECT_EQ(first->Name(), "Recorder1");
  EXPECT_EQ(second->Name(), "Recorder2");
  EXPECT_EQ(plain->Name(), "Plain1");
  EXPECT_EQ(first->ProgID(), kRecorderProgId);
  EXPECT_DOUBLE_EQ(first->Left(), 10);
  EXPECT_DOUBLE_EQ(first->Top(), 20);
  EXPECT_DOUBLE_EQ(first->Width(), 300);
  EXPECT_DOUBLE_EQ(first->Height(), 200);
  EXPECT_EQ(sheet->OLEObjects()->Count(), 3);
  EXPECT_EQ(first->Parent(), sheet);
}

TEST_F(OleObjectTest, MissingGeometryStartsAtTheActiveCell) {
  NewBook();
  driver.Activate("Sheet1!C3");
  auto frame = app->ActiveSheet()->OLEObjects()->Add(
      kPlainProgId, Variant::Missing(), Variant::Missing(), Variant(50.0), Variant::Missing());
  EXPECT_DOUBLE_EQ(frame->Left(), 96.0);
  EXPECT_DOUBLE_EQ(frame->Top(), 30.0);
  EXPECT_DOUBLE_EQ(frame->Width(), 50.0);
}

TEST_F(OleObjectTest, UnknownClassRaises429AndAddsNothing) {
  NewBook();
  auto sheet = app->ActiveSheet();
  EXPECT_EQ(RaisedNumber([&] {
              sheet->OLEObjects()->Add("No.Such", Variant::Missing(), Variant::Missing(),
                                       Variant::Missing(), Variant::Missing());
            }),
            err::kCannotCreateObject);
  EXPECT_EQ(sheet->OLEObjects()->Count(), 0);
}

TEST_F(OleObjectTest, LookupIgnoresCaseAndMissingNamesRaise1004) {
  NewBook();
  auto sheet = app->ActiveSheet();
  auto frame = AddRecorder(*sheet);
  frame->SetName("ZaltTrend1_Sheet1");
  EXPECT_EQ(sheet->OLEObjects()->Item(Variant("zalttrend1_sheet1")), frame);
  EXPECT_EQ(sheet->OLEObjects()->Item(Variant(std::int32_t{1})), frame);
  EXPECT_EQ(RaisedNumber([&] { sheet->OLEObjects()->Item(Variant("ZaltTrend2_Sheet1")); }),
            err::kAppDefined);
}

TEST_F(OleObjectTest, RenamingToANameUsedOnTheSheetFails) {
  auto book = NewBook();
  auto sheet = app->ActiveSheet();
  auto a = AddRecorder(*sheet);
  auto b = AddRecorder(*sheet);
  EXPECT_EQ(RaisedNumber([&] { b->SetName("RECORDER1"); }), err::kAppDefined);
  EXPECT_EQ(RaisedNumber([&] { b->SetName(""); }), err::kAppDefined);
  EXPECT_EQ(b->Name(), "Recorder2");
  a->SetName("recorder1");  // its own name in other letter case
  EXPECT_EQ(a->Name(), "recorder1");
  auto other = book->Worksheets()->Item(Variant("Sheet2"));
  auto c = AddRecorder(*other);
  c->SetName("Recorder2");  // names are unique per sheet only
  EXPECT_EQ(c->Name(), "Recorder2");
  // The old name is free once an object is renamed or deleted.
  b->SetName("Moved");
  EXPECT_EQ(sheet->OLEObjects()->Item(Variant("moved")), b);
  EXPECT_EQ(RaisedNumber([&] { sheet->OLEObjects()->Item(Variant("Recorder2")); }),
            err::kAppDefined);
  a->SetName("Recorder2");
  b->Delete();
  a->SetName("Moved");
  EXPECT_EQ(sheet->OLEObjects()->Item(Variant("MOVED")), a);
}

TEST_F(OleObjectTest, ContainerCallsComeInTheHostsOrder) {
  NewBook();
  auto frame = AddRecorder(*app->ActiveSheet());
  auto control = ControlOf(frame);
  EXPECT_EQ(control->calls, (std::vector<std::string>{"SetSite", "Initialize", "Resize", "Show"}));
  frame->SetWidth(300.0);  // unchanged: no resize
  frame->SetTop(50.0);
  frame->SetHeight(10.0);
  EXPECT_EQ(control->calls.size(), 6u);
  EXPECT_EQ(control->calls.back(), "Resize");
  frame->Delete();
  EXPECT_EQ(control->calls.back(), "Terminate");
}

TEST_F(OleObjectTest, SiteOffersNameParentUserModeHandleAndDirtyNotification) {
  auto book = NewBook();
  book->SetDirty(false);
  auto frame = AddRecorder(*app->ActiveSheet());
  frame->SetName("ExcelTrendWizard1");
  auto site = ControlOf(frame)->site;
  EXPECT_EQ(site->ExtenderName(), "ExcelTrendWizard1");
  ASSERT_TRUE(site->Parent());
  EXPECT_EQ(site->Parent()->TypeName(), "Workbook");
  EXPECT_EQ(std::dynamic_pointer_cast<host::Workbook>(site->Parent())->Application(), app);
  EXPECT_TRUE(site->AmbientUserMode());
  app->SetUserMode(false);
  EXPECT_FALSE(site->AmbientUserMode());
  EXPECT_NE(site->WindowHandle(), 0);
  EXPECT_EQ(site->WindowHandle(), site->WindowHandle());
  EXPECT_NE(site->WindowHandle(),
            ControlOf(AddRecorder(*app->ActiveSheet()))->site->WindowHandle());
  book->SetDirty(false);
  site->PropertyChanged("TraceInfo");
  EXPECT_TRUE(book->Dirty());
  auto sim = std::dynamic_pointer_cast<sim::SimControlSite>(site);
  EXPECT_EQ(sim->ChangedProperties(), std::vector<std::string>{"TraceInfo"});
}

TEST_F(OleObjectTest, DeletedObjectsVanishFromLookupsAndRefuseUse) {
  NewBook();
  auto sheet = app->ActiveSheet();
  auto frame = AddRecorder(*sheet);
  auto site = ControlOf(frame)->site;
  frame->Delete();
  EXPECT_EQ(sheet->OLEObjects()->Count(), 0);
  EXPECT_EQ(RaisedNumber([&] { sheet->OLEObjects()->Item(Variant("Recorder1")); }),
            err::kAppDefined);
  EXPECT_EQ(RaisedNumber([&] { frame->Name(); }), err::kAppDefined);
  EXPECT_EQ(RaisedNumber([&] { frame->Delete(); }), err::kAppDefined);
  EXPECT_FALSE(site->Parent());
  EXPECT_EQ(AddRecorder(*sheet)->Name(), "Recorder1");
}

TEST_F(OleObjectTest, AControlMayDeleteItsOwnFrameInsideItsOwnCall) {
  NewBook();
  auto frame = AddRecorder(*app->ActiveSheet());
  std::weak_ptr<RecordingControl> weak = ControlOf(frame);
  bool stillAlive = false;
  weak.lock()->onResize = [&](RecordingControl& self) {
    auto own = app->ActiveSheet()->OLEObjects()->Item(Variant(self.site->ExtenderName()));
    own->Delete();
    stillAlive = !weak.expired();  // the host keeps it until the call returns
    self.calls.push_back("after delete");
  };
  frame = nullptr;
  {
    sim::SimApplication::DriverScope outside(*app);
    app->ActiveSheet()->OLEObjects()->Item(Variant("Recorder1"))->SetLeft(99.0);
    EXPECT_EQ(weak.lock()->calls.back(), "after delete");
    EXPECT_EQ(weak.lock()->calls[weak.lock()->calls.size() - 2], "Terminate");
  }
  EXPECT_TRUE(stillAlive);
  EXPECT_TRUE(weak.expired());
  EXPECT_EQ(app->ActiveSheet()->OLEObjects()->Count(), 0);
}

TEST_F(OleObjectTest, ClosingAWorkbookTerminatesItsControls) {
  auto book = NewBook();
  std::weak_ptr<RecordingControl> control = ControlOf(AddRecorder(*app->ActiveSheet()));
  std::vector<std::string> calls;
  control.lock()->onTerminate = [&](RecordingControl& c) { calls = c.calls; };
  EXPECT_TRUE(driver.Close(book->Name()));
  EXPECT_EQ(calls.back(), "Terminate");
  EXPECT_TRUE(control.expired());
  EXPECT_EQ(app->Workbooks()->Count(), 0);
}

}  // namespace
}  // namespace velkor::host_test
