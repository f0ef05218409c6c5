// The typed adapters over real COM, under Wine: the host stand-in crosses to
// COM as the stand-ins' COM objects (class information, events through a
// connection point), comes back as an outside object (DispatchObject), and
// the control's interfaces reach it through the adapters. Events are mapped
// by name through the source interface's type information, whose dispatch
// ids are deliberately not in declaration order; a by-reference Cancel goes
// back to the host. Objects that come back across COM into the module that
// made them are themselves again, so past the first object the adapters are
// exercised by the scenarios run through velkor.dll (scenario-com.*).
#include <gtest/gtest.h>

#include "adapters/InstallAdapters.h"
#include "com/bridge/DispatchObject.h"
#include "com/bridge/ObjectDispatch.h"
#include "platform/ForeignObject.h"
#include "platform/host/HostModel.h"
#include "standins/SimServices.h"
#include "standins/com/ComStandIns.h"
#include "standins/host/HostDriver.h"
#include "standins/host/SimApplication.h"
#include "standins/host/SimWorkbook.h"
#include "standins/host/SimWorksheet.h"

namespace velkor {
namespace {

class ComAdaptersTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    adapters::InstallAdapters();
    auto library = com::ComPtr<ITypeLib>::Adopt(sim::LoadStandInTypeLib());
    ASSERT_TRUE(library) << "the test program embeds standins.tlb";
    sim::ExposeStandInsToCom(library.get());
  }

  void SetUp() override {
    services_ = sim::InstallSimServices();
    app_ = sim::SimApplication::Create();
    driver_ = std::make_unique<sim::HostDriver>(app_);
    book_ = driver_->NewWorkbook();
  }
  void TearDown() override { app_->Quit(); }

  // `object` as a COM client in another component sees it: an outside object.
  static ObjectPtr AcrossCom(const ObjectPtr& object) {
    auto dispatch = com::ComPtr<IDispatch>::Adopt(com::Expose(object));
    auto outside = std::make_shared<com::DispatchObject>(com::ComPtr<IUnknown>(dispatch.get()));
    return outside;
  }

  host::ApplicationPtr App() { return ObjectCast<host::Application>(AcrossCom(app_)); }

  sim::SimServices services_;
  std::shared_ptr<sim::SimApplication> app_;
  std::unique_ptr<sim::HostDriver> driver_;
  std::shared_ptr<sim::SimWorkbook> book_;
};

TEST_F(ComAdaptersTest, TypeNamesComeFromTheClassInformation) {
  EXPECT_EQ(AcrossCom(app_)->TypeName(), "Application");
  EXPECT_EQ(AcrossCom(book_)->TypeName(), "Workbook");
  EXPECT_EQ(AcrossCom(book_->ActiveSheet())->TypeName(), "Worksheet");
}

TEST_F(ComAdaptersTest, OutsideObjectsGetAdaptersAndKeepTheirIdentity) {
  host::ApplicationPtr app = App();
  ASSERT_TRUE(app);
  EXPECT_FALSE(std::dynamic_pointer_cast<sim::SimApplication>(app))
      << "an adapter, not the stand-in";
  EXPECT_TRUE(SameObject(app, App()));
  EXPECT_FALSE(SameObject(app, ObjectCast<host::Workbook>(AcrossCom(book_))));
  // The adapter goes back out as the stand-in itself.
  auto out = com::ComPtr<IDispatch>::Adopt(com::Expose(app));
  EXPECT_EQ(com::UnwrapObject(out.get()), ObjectPtr(app_));
}

TEST_F(ComAdaptersTest, MembersReachTheHostByName) {
  host::ApplicationPtr app = App();
  host::WorkbookPtr active = app->ActiveWorkbook();
  ASSERT_TRUE(active);
  EXPECT_EQ(active->Name(), book_->Name());
  EXPECT_EQ(app->Workbooks()->Count(), 1);
  host::WorksheetPtr sheet = app->ActiveSheet();
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->Range(Variant("B2:C3"))->Address(), "$B$2:$C$3");
}

TEST_F(ComAdaptersTest, ApplicationEventsArriveByName) {
  host::ApplicationPtr app = App();
  std::vector<std::string> seen;
  auto change = app->SheetChange.Connect([&](host::WorksheetPtr sheet, host::RangePtr target) {
    seen.push_back("SheetChange " + sheet->Name() + " " + target->Address());
  });
  auto calculate = app->SheetCalculate.Connect(
      [&](host::WorksheetPtr sheet) { seen.push_back("SheetCalculate " + sheet->Name()); });
  auto open = app->WorkbookOpen.Connect(
      [&](host::WorkbookPtr book) { seen.push_back("WorkbookOpen " + book->Name()); });

  auto sheet = book_->ActiveSimSheet();
  app_->SheetChange.Raise(sheet, sheet->Range(Variant("A1")));
  app_->SheetCalculate.Raise(sheet);
  app_->WorkbookOpen.Raise(book_);
  const std::string name = sheet->Name();
  EXPECT_EQ(seen,
            (std::vector<std::string>{"SheetChange " + name + " $A$1", "SheetCalculate " + name,
                                      "WorkbookOpen " + book_->Name()}));
}

TEST_F(ComAdaptersTest, CancelOfBeforeCloseGoesBackToTheHost) {
  host::ApplicationPtr app = App();
  struct Row {
    bool given;
    bool set;  // what the handler leaves; nothing when it equals `given`
    bool expected;
  };
  for (const Row& row : {Row{false, false, false}, Row{false, true, true}, Row{true, true, true},
                         Row{true, false, false}}) {
    auto connection = app->WorkbookBeforeClose.Connect([&](host::WorkbookPtr, bool& cancel) {
      EXPECT_EQ(cancel, row.given);
      cancel = row.set;
    });
    bool cancel = row.given;
    app_->WorkbookBeforeClose.Raise(book_, cancel);
    EXPECT_EQ(cancel, row.expected) << "given " << row.given << ", set " << row.set;
  }
}

TEST_F(ComAdaptersTest, DroppingTheHandlersEndsTheSubscription) {
  int calls = 0;
  {
    host::ApplicationPtr app = App();
    auto connection = app->SheetCalculate.Connect([&](host::WorksheetPtr) { ++calls; });
    app_->SheetCalculate.Raise(book_->ActiveSimSheet());
  }
  app_->SheetCalculate.Raise(book_->ActiveSimSheet());
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(app_->SheetCalculate.ConnectionCount(), 0u);
}

}  // namespace
}  // namespace velkor
