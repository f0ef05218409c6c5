// The host adapters over stand-ins seen only by name: what each member reads
// must be what the stand-in itself says, writes and actions must reach it,
// objects must come back adapted as the same objects, and faults of the
// foreign side (missing members, results of the wrong kind) must surface as
// the runtime's errors.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "adapters/InstallAdapters.h"
#include "control/components/ProgIds.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/ForeignObject.h"
#include "platform/host/HostModel.h"
#include "standins/ForeignView.h"
#include "standins/SimServices.h"
#include "standins/host/HostDriver.h"
#include "standins/host/SimApplication.h"
#include "standins/host/SimControlSite.h"
#include "standins/host/SimOLEObject.h"
#include "standins/host/SimWorkbook.h"
#include "unit/host/HostFixture.h"
#include "unit/trend/SandboxedServices.h"

namespace velkor::host_test {
namespace {

// A foreign object's stand-in that answers every member with one value.
class AnsweringObject : public Object {
 public:
  explicit AnsweringObject(Variant answer) : answer_(std::move(answer)) {}
  std::string TypeName() const override { return "Answering"; }
  Variant Invoke(std::string_view, InvokeKind, std::span<Variant>) override { return answer_; }

 private:
  Variant answer_;
};

bool IsAdapter(const ObjectPtr& object) {
  return dynamic_cast<const Adapter*>(object.get()) != nullptr;
}

class HostAdaptersTest : public HostFixture {
 protected:
  HostAdaptersTest() {
    adapters::InstallAdapters();
    book = NewBook();
    sheet = book->Worksheets()->Item(Variant("Sheet1"));
    frame = sheet->OLEObjects()->Add(kPlainProgId, Variant(10.0), Variant(20.0), Variant(300.0),
                                     Variant(200.0));
  }

  // The adapter of T over a by-name view of `standIn`.
  template <class T>
  static std::shared_ptr<T> Adapt(const ObjectPtr& standIn) {
    auto typed = ObjectCast<T>(sim::ForeignView::Wrap(standIn));
    EXPECT_TRUE(IsAdapter(typed));
    return typed;
  }
  template <class T>
  static std::shared_ptr<T> Answering(Variant answer) {
    return Adapt<T>(std::make_shared<AnsweringObject>(std::move(answer)));
  }

  std::shared_ptr<sim::SimWorkbook> book;
  host::WorksheetPtr sheet;
  host::OLEObjectPtr frame;
};

struct ReadRow {
  std::string member;
  std::function<Variant()> throughAdapter;
  std::function<Variant()> fromStandIn;
};

TEST_F(HostAdaptersTest, ReadsGiveWhatTheStandInSays) {
  driver.SetCells("Sheet1!C2", Variant("text"));
  driver.SetCells("Sheet1!D3", Variant(2.5));
  sheet->SetColumnWidth(3, 61.5);
  sheet->SetRowHeight(4, 22.5);
  app->SetScreenMousePointer(11);
  auto range = sheet->Range(Variant("C2:D6"));
  auto lateApp = Adapt<host::Application>(app);
  auto lateBook = Adapt<host::Workbook>(book);
  auto lateSheet = Adapt<host::Worksheet>(sheet);
  auto lateRange = Adapt<host::Range>(range);
  auto lateFrame = Adapt<host::OLEObject>(frame);
  const std::vector<ReadRow> rows = {
      {"Workbooks.Count", [&] { return Variant(lateApp->Workbooks()->Count()); },
       [&] { return Variant(app->Workbooks()->Count()); }},
      {"Workbook.Name", [&] { return Variant(lateBook->Name()); },
       [&] { return Variant(book->Name()); }},
      {"Worksheets.Count", [&] { return Variant(lateBook->Worksheets()->Count()); },
       [&] { return Variant(book->Worksheets()->Count()); }},
      {"Worksheet.Name", [&] { return Variant(lateSheet->Name()); },
       [&] { return Variant(sheet->Name()); }},
      {"Worksheet.CodeName", [&] { return Variant(lateSheet->CodeName()); },
       [&] { return Variant(sheet->CodeName()); }},
      {"Worksheet.ColumnWidth", [&] { return Variant(lateSheet->ColumnWidth(3)); },
       [&] { return Variant(61.5); }},
      {"Worksheet.RowHeight", [&] { return Variant(lateSheet->RowHeight(4)); },
       [&] { return Variant(22.5); }},
      {"Range.Address", [&] { return Variant(lateRange->Address()); },
       [&] { return Variant("$C$2:$D$6"); }},
      {"Range.Row", [&] { return Variant(lateRange->Row()); }, [&] { return Variant(2); }},
      {"Range.Column", [&] { return Variant(lateRange->Column()); }, [&] { return Variant(3); }},
      {"Range.RowsCount", [&] { return Variant(lateRange->RowsCount()); },
       [&] { return Variant(5); }},
      {"Range.ColumnsCount", [&] { return Variant(lateRange->ColumnsCount()); },
       [&] { return Variant(2); }},
      {"Range.Count", [&] { return Variant(lateRange->Count()); }, [&] { return Variant(10); }},
      {"Range.Top", [&] { return Variant(lateRange->Top()); },
       [&] { return Variant(range->Top()); }},
      {"Range.Left", [&] { return Variant(lateRange->Left()); },
       [&] { return Variant(range->Left()); }},
      {"Range.Width", [&] { return Variant(lateRange->Width()); },
       [&] { return Variant(range->Width()); }},
      {"Range.Height", [&] { return Variant(lateRange->Height()); },
       [&] { return Variant(range->Height()); }},
      {"Range.Value of a text cell", [&] { return lateRange->Cells(1, 1)->Value(); },
       [&] { return Variant("text"); }},
      {"Range.Value of a number cell", [&] { return lateRange->Cells(2, 2)->Value(); },
       [&] { return Variant(2.5); }},
      {"OLEObjects.Count", [&] { return Variant(lateSheet->OLEObjects()->Count()); },
       [&] { return Variant(sheet->OLEObjects()->Count()); }},
      {"OLEObject.Name", [&] { return Variant(lateFrame->Name()); },
       [&] { return Variant(frame->Name()); }},
      {"OLEObject.ProgID", [&] { return Variant(lateFrame->ProgID()); },
       [&] { return Variant(kPlainProgId); }},
      {"OLEObject.Left", [&] { return Variant(lateFrame->Left()); }, [&] { return Variant(10.0); }},
      {"OLEObject.Top", [&] { return Variant(lateFrame->Top()); }, [&] { return Variant(20.0); }},
      {"OLEObject.Width", [&] { return Variant(lateFrame->Width()); },
       [&] { return Variant(300.0); }},
      {"OLEObject.Height", [&] { return Variant(lateFrame->Height()); },
       [&] { return Variant(200.0); }},
      {"OLEObject.Visible", [&] { return Variant(lateFrame->Visible()); },
       [&] { return Variant(frame->Visible()); }},
      {"LanguageSettings.LanguageID",
       [&] { return Variant(lateApp->LanguageSettings()->LanguageID(host::kMsoLanguageIdUI)); },
       [&] { return Variant(app->LanguageSettings()->LanguageID(host::kMsoLanguageIdUI)); }},
      {"Application.ScreenMousePointer", [&] { return Variant(lateApp->ScreenMousePointer()); },
       [&] { return Variant(11); }},
  };
  for (const auto& row : rows) {
    const Variant late = row.throughAdapter();
    const Variant direct = row.fromStandIn();
    EXPECT_EQ(late.type(), direct.type()) << row.member;
    EXPECT_TRUE(VarEquals(late, direct)) << row.member << ": " << CStr(late);
  }
}

TEST_F(HostAdaptersTest, ObjectsComeBackAdaptedAsTheSameStandIns) {
  auto lateApp = Adapt<host::Application>(app);
  auto lateBook = lateApp->Workbooks()->Item(Variant(1));
  auto lateSheet = lateBook->Worksheets()->Item(Variant("sheet1"));
  auto lateRange = lateSheet->Range(Variant("B2:C3"));
  auto lateFrame = lateSheet->OLEObjects()->Item(Variant(frame->Name()));
  const std::vector<std::pair<ObjectPtr, ObjectPtr>> pairs = {
      {lateBook, book},
      {lateSheet, sheet},
      {lateFrame, frame},
      {lateBook->ActiveSheet(), sheet},
      {lateBook->Application(), app},
      {lateSheet->Parent(), book},
      {lateSheet->Application(), app},
      {lateRange->Worksheet(), sheet},
      {lateFrame->Parent(), sheet},
      {lateFrame->Object(), frame->Object()},
  };
  // Never the stand-in itself: the control keeps reaching it by name only.
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    EXPECT_NE(pairs[i].first, pairs[i].second) << i;
    EXPECT_TRUE(SameObject(pairs[i].first, pairs[i].second)) << i;
  }
  EXPECT_EQ(lateRange->Cells()->Address(), "$B$2:$C$3");
  EXPECT_EQ(lateRange->Cells(2, 3)->Address(), "$D$3");
  EXPECT_EQ(lateSheet->Cells(4, 5)->Address(), "$E$4");
}

TEST_F(HostAdaptersTest, EnumerationsListTheItemsInCollectionOrder) {
  auto second = NewBook();
  book->Worksheets()->Item(Variant("Sheet2"))->SetName("Data");
  auto other = sheet->OLEObjects()->Add(kPlainProgId, Variant::Missing(), Variant::Missing(),
                                        Variant::Missing(), Variant::Missing());
  auto books = Adapt<host::Workbooks>(app->Workbooks())->Enumerate();
  auto sheets = Adapt<host::Worksheets>(book->Worksheets())->Enumerate();
  auto objects = Adapt<host::OLEObjects>(sheet->OLEObjects())->Enumerate();
  ASSERT_EQ(books.size(), 2u);
  EXPECT_TRUE(SameObject(books[0], book));
  EXPECT_TRUE(SameObject(books[1], second));
  std::vector<std::string> names;
  for (const auto& each : sheets) names.push_back(each->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"Sheet1", "Data", "Sheet3"}));
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_TRUE(SameObject(objects[0], frame));
  EXPECT_TRUE(SameObject(objects[1], other));
}

TEST_F(HostAdaptersTest, WritesAndActionsReachTheStandIn) {
  auto sheet2 = book->Worksheets()->Item(Variant("Sheet2"));
  auto lateApp = Adapt<host::Application>(app);
  auto lateSheet = Adapt<host::Worksheet>(sheet);
  auto lateFrame = Adapt<host::OLEObject>(frame);
  lateSheet->SetName("Data");
  lateSheet->Range(Variant("B2:C3"))->SetValue(Variant("x"));
  lateSheet->SetColumnWidth(2, 70.0);
  lateSheet->SetRowHeight(5, 30.0);
  lateFrame->SetName("Chart");
  lateFrame->SetLeft(1.0);
  lateFrame->SetTop(2.0);
  lateFrame->SetWidth(3.0);
  lateFrame->SetHeight(4.0);
  lateFrame->SetVisible(false);
  lateApp->SetScreenMousePointer(13);
  EXPECT_EQ(sheet->Name(), "Data");
  EXPECT_EQ(CStr(driver.Cells("Data!C3")), "x");
  EXPECT_DOUBLE_EQ(sheet->ColumnWidth(2), 70.0);
  EXPECT_DOUBLE_EQ(sheet->RowHeight(5), 30.0);
  EXPECT_EQ(frame->Name(), "Chart");
  EXPECT_EQ((std::vector<double>{frame->Left(), frame->Top(), frame->Width(), frame->Height()}),
            (std::vector<double>{1.0, 2.0, 3.0, 4.0}));
  EXPECT_FALSE(frame->Visible());
  EXPECT_EQ(app->ScreenMousePointer(), 13);

  Adapt<host::Worksheet>(sheet2)->Activate();
  EXPECT_EQ(book->ActiveSheet(), sheet2);
  lateSheet->Select();
  EXPECT_EQ(book->ActiveSheet(), sheet);
  NewBook();
  Adapt<host::Workbook>(book)->Activate();
  EXPECT_EQ(app->ActiveWorkbook(), book);
}

TEST_F(HostAdaptersTest, AddAndDeleteChangeTheStandInsCollections) {
  auto lateBooks = Adapt<host::Workbooks>(app->Workbooks());
  auto added = lateBooks->Add();
  EXPECT_TRUE(IsAdapter(added));
  EXPECT_TRUE(SameObject(added, app->ActiveWorkbook()));
  EXPECT_EQ(Adapt<host::Worksheets>(book->Worksheets())->Add()->Name(), "Sheet4");
  EXPECT_EQ(book->Worksheets()->Count(), 4);

  // (ClassType, Left, Top, Width, Height) in that order; Missing keeps the
  // host's default.
  driver.Activate("Sheet1!C3");
  auto lateObjects = Adapt<host::OLEObjects>(sheet->OLEObjects());
  auto placed = lateObjects->Add(kPlainProgId, Variant::Missing(), Variant(7.0), Variant::Missing(),
                                 Variant(33.0));
  auto direct = sheet->OLEObjects()->Item(Variant(placed->Name()));
  EXPECT_DOUBLE_EQ(direct->Left(), sheet->Range(Variant("C3"))->Left());
  EXPECT_DOUBLE_EQ(direct->Top(), 7.0);
  EXPECT_DOUBLE_EQ(direct->Height(), 33.0);
  EXPECT_EQ(direct->ProgID(), kPlainProgId);
  placed->Delete();
  EXPECT_EQ(sheet->OLEObjects()->Count(), 1);

  lateBooks->Close();
  EXPECT_EQ(app->Workbooks()->Count(), 0);
}

TEST_F(HostAdaptersTest, WorkbookCloseTellsWhetherItClosed) {
  bool cancel = true;
  Connection veto = app->WorkbookBeforeClose.Connect(
      [&](host::WorkbookPtr, bool& cancelled) { cancelled = cancel; });
  auto lateBook = Adapt<host::Workbook>(book);
  EXPECT_FALSE(lateBook->Close());
  EXPECT_FALSE(book->IsClosed());
  cancel = false;
  EXPECT_TRUE(lateBook->Close());
  EXPECT_TRUE(book->IsClosed());
}

TEST_F(HostAdaptersTest, HostErrorsPassThroughUnchanged) {
  auto lateBooks = Adapt<host::Workbooks>(app->Workbooks());
  auto lateSheet = Adapt<host::Worksheet>(sheet);
  auto lateFrame = Adapt<host::OLEObject>(frame);
  const std::vector<std::pair<std::function<void()>, std::int32_t>> rows = {
      {[&] { lateBooks->Item(Variant("Nope")); }, err::kSubscriptOutOfRange},
      {[&] { lateBooks->Open("/no/such/book.json"); },
       RaisedNumber([&] { app->Workbooks()->Open("/no/such/book.json"); })},
      {[&] { Adapt<host::Worksheets>(book->Worksheets())->Item(Variant(9)); },
       err::kSubscriptOutOfRange},
      {[&] { lateSheet->SetName(""); }, err::kAppDefined},
      {[&] { lateSheet->Range(Variant("not an address")); }, err::kAppDefined},
      {[&] { lateSheet->Cells(0, 1); }, err::kAppDefined},
      {[&] { lateSheet->ColumnWidth(0); }, err::kAppDefined},
      {[&] { lateSheet->SetRowHeight(2, -1.0); }, err::kAppDefined},
      {[&] { lateSheet->OLEObjects()->Item(Variant("None")); }, err::kAppDefined},
      {[&] { lateFrame->SetWidth(-1.0); }, err::kAppDefined},
  };
  for (std::size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(RaisedNumber(rows[i].first), rows[i].second) << "row " << i;
  EXPECT_NE(rows[1].second, 0);
}

TEST_F(HostAdaptersTest, MembersTheForeignObjectLacksRaise438) {
  // Adapters over objects of another kind: the members are asked by name
  // and the object does not have them.
  auto settings = app->LanguageSettings();
  const std::vector<std::function<void()>> rows = {
      [&] { Adapt<host::Range>(settings)->Address(); },
      [&] { Adapt<host::Range>(settings)->RowsCount(); },
      [&] { Adapt<host::Worksheet>(settings)->ColumnWidth(1); },
      [&] { Adapt<host::Worksheets>(sheet)->Enumerate(); },
      [&] { Adapt<host::OLEObject>(sheet)->ProgID(); },
      [&] { Adapt<host::LanguageSettings>(sheet)->LanguageID(2); },
  };
  for (std::size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(RaisedNumber(rows[i]), err::kNoSupport) << "row " << i;
}

TEST_F(HostAdaptersTest, ResultsOfTheWrongKindRaise13OrObjectNotSet) {
  const Variant grid{SafeArray(SafeArray::Bound{1, 2}, SafeArray::Bound{1, 2})};
  const Variant texts{SafeArray({Variant("a")}, 0)};
  const std::vector<std::pair<std::function<void()>, std::int32_t>> rows = {
      {[&] { Answering<host::Workbooks>(Variant("many"))->Count(); }, err::kTypeMismatch},
      {[&] { Answering<host::Workbooks>(Variant("a book"))->Item(Variant(1)); },
       err::kTypeMismatch},
      {[&] { Answering<host::Worksheet>(Variant(1))->Parent(); }, err::kTypeMismatch},
      {[&] { Answering<host::Range>(Variant())->Worksheet(); }, err::kTypeMismatch},
      {[&] { Answering<host::Range>(Variant(3))->RowsCount(); }, err::kTypeMismatch},
      {[&] { Answering<host::Range>(Variant::Nothing())->ColumnsCount(); }, err::kObjectNotSet},
      {[&] { Answering<host::Worksheet>(Variant::Nothing())->RowHeight(1); }, err::kObjectNotSet},
      {[&] { Answering<host::Worksheets>(grid)->Enumerate(); }, err::kTypeMismatch},
      {[&] { Answering<host::OLEObjects>(Variant("all"))->Enumerate(); }, err::kTypeMismatch},
      {[&] { Answering<host::Workbooks>(texts)->Enumerate(); }, err::kTypeMismatch},
      {[&] { Answering<host::OLEObject>(Variant(5))->Object(); }, err::kTypeMismatch},
  };
  for (std::size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(RaisedNumber(rows[i].first), rows[i].second) << "row " << i;
}

TEST_F(HostAdaptersTest, NothingComesBackAsNullptr) {
  EXPECT_EQ(Answering<host::Workbooks>(Variant::Nothing())->Item(Variant(1)), nullptr);
  EXPECT_EQ(Answering<host::Worksheet>(Variant::Nothing())->Parent(), nullptr);
  EXPECT_EQ(Answering<host::OLEObject>(Variant::Nothing())->Object(), nullptr);
  const Variant some{SafeArray({Variant::Nothing(), Variant(ObjectPtr(sheet))}, 0)};
  auto items = Answering<host::Worksheets>(some)->Enumerate();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0], nullptr);
  EXPECT_TRUE(SameObject(items[1], sheet));
}

TEST_F(HostAdaptersTest, CloseWithoutAnAnswerCountsAsClosed) {
  EXPECT_TRUE(Answering<host::Workbook>(Variant())->Close());
  EXPECT_FALSE(Answering<host::Workbook>(Variant(false))->Close());
}

TEST_F(HostAdaptersTest, ObjectCastOnAStandInReturnsTheStandInItself) {
  auto range = sheet->Range(Variant("A1"));
  auto books = app->Workbooks();
  auto settings = app->LanguageSettings();
  EXPECT_EQ(ObjectCast<host::Workbooks>(books), books);
  EXPECT_EQ(ObjectCast<host::Workbook>(book), book);
  EXPECT_EQ(ObjectCast<host::Worksheet>(sheet), sheet);
  EXPECT_EQ(ObjectCast<host::Range>(range), range);
  EXPECT_EQ(ObjectCast<host::OLEObject>(frame), frame);
  EXPECT_EQ(ObjectCast<host::LanguageSettings>(settings), settings);
  EXPECT_EQ(ObjectCast<host::Worksheet>(book), nullptr);
}

// In the by-name mode only the control is handed views; the stand-in
// components beside it find their workbook's objects directly, as before.
TEST(ByNameSiteTest, OnlyTheControlSeesItsWorkbookThroughAView) {
  test::SandboxedServices services;
  auto host = sim::SimApplication::Create();
  host->SetControlsSeeByName(true);
  sim::HostDriver hostDriver(host);
  auto workbook = hostDriver.NewWorkbook();
  auto objects = workbook->ActiveSheet()->OLEObjects();
  const auto parentSeenBy = [&](std::string_view progId) {
    auto placed = objects->Add(progId, Variant::Missing(), Variant::Missing(), Variant::Missing(),
                               Variant::Missing());
    return Deref(std::dynamic_pointer_cast<sim::SimOLEObject>(placed)->Site()).Parent();
  };
  ObjectPtr wizardSees = parentSeenBy(sim::kExcelTrendWizardProgId);
  ObjectPtr chartSees = parentSeenBy(component::kTrendChartProgId);
  EXPECT_NE(dynamic_cast<const ForeignObject*>(wizardSees.get()), nullptr);
  EXPECT_TRUE(SameObject(wizardSees, workbook));
  EXPECT_EQ(chartSees, ObjectPtr(workbook));
  host->Quit();
}

}  // namespace
}  // namespace velkor::host_test
