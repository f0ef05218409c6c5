#include <gtest/gtest.h>

#include "platform/ErrorNumbers.h"
#include "platform/host/HostModel.h"
#include "standins/host/SimWorkbook.h"
#include "standins/host/SimWorksheet.h"
#include "unit/host/HostFixture.h"

namespace velkor::host_test {
namespace {

using WorkbookModelTest = HostFixture;

std::vector<std::string> SheetNames(host::Workbook& book) {
  std::vector<std::string> names;
  for (const auto& sheet : book.Worksheets()->Enumerate()) names.push_back(sheet->Name());
  return names;
}

TEST_F(WorkbookModelTest, NewWorkbooksAreNumberedAndFoundByNameIgnoringCase) {
  auto first = NewBook();
  auto second = NewBook();
  auto books = app->Workbooks();
  EXPECT_EQ(books->Count(), 2);
  EXPECT_EQ(first->Name(), "Book1");
  EXPECT_EQ(books->Item(Variant("BOOK2")), second);
  EXPECT_EQ(books->Item(Variant(std::int32_t{1})), first);
  EXPECT_EQ(app->ActiveWorkbook(), second);
  EXPECT_EQ(RaisedNumber([&] { books->Item(Variant("Book9")); }), err::kSubscriptOutOfRange);
  EXPECT_EQ(RaisedNumber([&] { books->Item(Variant(std::int32_t{3})); }),
            err::kSubscriptOutOfRange);
  EXPECT_EQ(first->Application(), app);
  EXPECT_EQ(first->TypeName(), "Workbook");
}

TEST_F(WorkbookModelTest, LoadedAndCreatedSheetsHaveCodeNames) {
  auto book = NewBook();
  EXPECT_EQ(SheetNames(*book), (std::vector<std::string>{"Sheet1", "Sheet2", "Sheet3"}));
  for (const auto& sheet : book->Worksheets()->Enumerate())
    EXPECT_EQ(sheet->CodeName(), sheet->Name());
}

TEST_F(WorkbookModelTest, AddedSheetGoesBeforeTheActiveOneWithTheFirstFreeName) {
  auto book = NewBook();
  driver.Activate("Sheet2!A1");
  book->Worksheets()->Item(Variant("Sheet1"))->SetName("Data");
  auto added = book->Worksheets()->Add();
  EXPECT_EQ(added->Name(), "Sheet1");
  EXPECT_EQ(SheetNames(*book), (std::vector<std::string>{"Data", "Sheet1", "Sheet2", "Sheet3"}));
  EXPECT_EQ(book->ActiveSheet(), added);
  EXPECT_EQ(app->ActiveSheet(), added);
  EXPECT_EQ(added->CodeName(), "");
  EXPECT_EQ(book->Worksheets()->Add()->Name(), "Sheet4");
}

TEST_F(WorkbookModelTest, AddedSheetGetsACodeNameWithItsFirstObject) {
  auto book = NewBook();
  auto added = book->Worksheets()->Add();
  ASSERT_EQ(added->CodeName(), "");
  auto frame = added->OLEObjects()->Add(kPlainProgId, Variant::Missing(), Variant::Missing(),
                                        Variant::Missing(), Variant::Missing());
  frame->Delete();
  EXPECT_EQ(added->CodeName(), "Sheet4");
}

TEST_F(WorkbookModelTest, SheetNamesMustBeValidAndUnique) {
  auto book = NewBook();
  auto sheet = book->Worksheets()->Item(Variant("Sheet1"));
  for (const char* bad : {"", "sheet2", "a/b", "a[1]", "x:y", "'quoted",
                          "1234567890123456789012345678901"
                          "2"})
    EXPECT_EQ(RaisedNumber([&] { sheet->SetName(bad); }), err::kAppDefined) << bad;
  sheet->SetName("Übersicht 2026");
  EXPECT_EQ(book->Worksheets()->Item(Variant("übersicht 2026")), sheet);
  EXPECT_EQ(RaisedNumber([&] { book->Worksheets()->Item(Variant("Nope")); }),
            err::kSubscriptOutOfRange);
}

TEST_F(WorkbookModelTest, RangeAddressesAndBadAddressesRaise1004) {
  NewBook();
  auto sheet = app->ActiveSheet();
  EXPECT_EQ(sheet->Range(Variant("b5"))->Address(), "$B$5");
  EXPECT_EQ(sheet->Range(Variant("$B$5:C6"))->Address(), "$B$5:$C$6");
  EXPECT_EQ(sheet->Range(Variant("Sheet1!A2"))->Address(), "$A$2");
  for (const char* bad : {"A0", "XFE1", "R0C1", "", "R1C1", "Sheet2!A1", "[Book1]Sheet1!A1"})
    EXPECT_EQ(RaisedNumber([&] { sheet->Range(Variant(bad)); }), err::kAppDefined) << bad;
  EXPECT_EQ(RaisedNumber([&] { sheet->Cells(0, 1); }), err::kAppDefined);
  EXPECT_EQ(RaisedNumber([&] { sheet->Cells(1, 16385); }), err::kAppDefined);
}

TEST_F(WorkbookModelTest, RangeShapeAndRelativeCells) {
  NewBook();
  auto range = app->ActiveSheet()->Range(Variant("B5:D6"));
  EXPECT_EQ(range->Row(), 5);
  EXPECT_EQ(range->Column(), 2);
  EXPECT_EQ(range->RowsCount(), 2);
  EXPECT_EQ(range->ColumnsCount(), 3);
  EXPECT_EQ(range->Count(), 6);
  EXPECT_EQ(range->Cells()->Count(), 6);
  EXPECT_EQ(range->Cells(1, 1)->Address(), "$B$5");
  EXPECT_EQ(range->Cells(2, 3)->Address(), "$D$6");
  EXPECT_EQ(range->Cells(3, 1)->Address(), "$B$7");
  EXPECT_EQ(RaisedNumber([&] { range->Cells(-5, 1); }), err::kAppDefined);
  auto whole = app->ActiveSheet()->Range(Variant("A1:XFD1048576"));
  EXPECT_EQ(RaisedNumber([&] { whole->Count(); }), err::kOverflow);
  EXPECT_EQ(RaisedNumber([&] { whole->Value(); }), err::kOutOfMemory);
}

TEST_F(WorkbookModelTest, GeometryFollowsColumnWidthsAndRowHeights) {
  NewBook();
  auto sheet = app->ActiveSheet();
  EXPECT_DOUBLE_EQ(sheet->ColumnWidth(1), 48.0);
  EXPECT_DOUBLE_EQ(sheet->RowHeight(1), 15.0);
  sheet->SetColumnWidth(2, 100.0);
  sheet->SetRowHeight(3, 30.0);
  auto range = sheet->Range(Variant("B3:C4"));
  EXPECT_DOUBLE_EQ(range->Left(), 48.0);
  EXPECT_DOUBLE_EQ(range->Top(), 30.0);
  EXPECT_DOUBLE_EQ(range->Width(), 148.0);
  EXPECT_DOUBLE_EQ(range->Height(), 45.0);
  auto far = sheet->Range(Variant("D10"));
  EXPECT_DOUBLE_EQ(far->Left(), 48.0 + 100.0 + 48.0);
  EXPECT_DOUBLE_EQ(far->Top(), 15.0 * 8 + 30.0);
  EXPECT_EQ(RaisedNumber([&] { sheet->SetColumnWidth(1, -1.0); }), err::kAppDefined);
  EXPECT_EQ(RaisedNumber([&] { sheet->SetRowHeight(0, 10.0); }), err::kAppDefined);
}

TEST_F(WorkbookModelTest, CellsHoldTypedValuesAndAreasGiveArrays) {
  NewBook();
  auto sheet = app->ActiveSheet();
  driver.SetCells("A1", Variant("tag"));
  driver.SetCells("B1", Variant(std::int32_t{5}));
  driver.SetCells("A2", Variant(true));
  driver.SetCells("B2", Variant(DateValue{46363.25}));
  driver.SetCells("C1", Variant(ErrorValue{2015}));
  EXPECT_EQ(sheet->Range(Variant("B1"))->Value().type(), VarType::Double);
  EXPECT_EQ(sheet->Range(Variant("C2"))->Value().type(), VarType::Empty);
  Variant block = sheet->Range(Variant("A1:C2"))->Value();
  ASSERT_TRUE(block.IsArray());
  const SafeArray& a = block.AsArray();
  EXPECT_EQ(a.LBound(1), 1);
  EXPECT_EQ(a.UBound(1), 2);
  EXPECT_EQ(a.UBound(2), 3);
  EXPECT_EQ(a.at(1, 1).AsString(), "tag");
  EXPECT_TRUE(a.at(2, 1).AsBool());
  EXPECT_EQ(a.at(2, 2).AsDate(), DateValue{46363.25});
  EXPECT_EQ(a.at(1, 3).AsError().code, 2015);
  driver.SetCells("A1", Variant(""));
  EXPECT_TRUE(sheet->Range(Variant("A1"))->Value().IsEmpty());
}

TEST_F(WorkbookModelTest, WritingAnArraySpreadsItAndFillsTheRestWithNA) {
  NewBook();
  auto range = app->ActiveSheet()->Range(Variant("A1:C2"));
  SafeArray values({1, 2}, {1, 2});
  values.at(1, 1) = Variant("a");
  values.at(1, 2) = Variant("b");
  values.at(2, 1) = Variant(1.0);
  values.at(2, 2) = Variant(2.0);
  range->SetValue(Variant(values));
  EXPECT_EQ(driver.Cells("B1").AsString(), "b");
  EXPECT_EQ(driver.Cells("B2").AsDouble(), 2.0);
  EXPECT_EQ(driver.Cells("C1").AsError().code, 2042);
  range->SetValue(Variant("x"));
  EXPECT_EQ(driver.Cells("C2").AsString(), "x");
}

TEST_F(WorkbookModelTest, IntersectOverlapDisjointAndOtherSheets) {
  auto book = NewBook();
  auto s1 = book->Worksheets()->Item(Variant("Sheet1"));
  auto s2 = book->Worksheets()->Item(Variant("Sheet2"));
  auto common = app->Intersect(s1->Range(Variant("A1:C3")), s1->Range(Variant("B2:D4")));
  ASSERT_TRUE(common);
  EXPECT_EQ(common->Address(), "$B$2:$C$3");
  EXPECT_EQ(common->Worksheet(), s1);
  EXPECT_FALSE(app->Intersect(s1->Range(Variant("A1")), s1->Range(Variant("B2"))));
  EXPECT_FALSE(app->Intersect(s1->Range(Variant("A1")), s2->Range(Variant("A1"))));
  auto other = NewBook();
  EXPECT_FALSE(app->Intersect(s1->Range(Variant("A1")),
                              other->Worksheets()->Item(Variant("Sheet1"))->Range(Variant("A1"))));
}

TEST_F(WorkbookModelTest, ConvertFormulaTurnsR1C1ReferencesIntoA1) {
  NewBook();
  driver.Activate("Sheet1!B2");
  const std::pair<Variant, Variant> cases[] = {
      {Variant("R2C3"), Variant("$C$2")},
      {Variant("R5C2:R6C3"), Variant("$B$5:$C$6")},
      {Variant("R[1]C[-1]"), Variant("A3")},
      {Variant("R2015C1"), Variant("$A$2015")},
      {Variant("=R1C1"), Variant("=$A$1")},
      {Variant("Sheet1!R1C1"), Variant("Sheet1!$A$1")},
      {Variant("$B$5"), Variant(ErrorValue{2015})},
      {Variant("Sheet1"), Variant(ErrorValue{2015})},
      {Variant(""), Variant(ErrorValue{2015})},
      {Variant("R0C1"), Variant(ErrorValue{2015})},
      {Variant(), Variant(ErrorValue{2015})},
  };
  for (const auto& [in, out] : cases) {
    Variant got = app->ConvertFormula(in, host::kXlR1C1, host::kXlA1);
    ASSERT_EQ(got.type(), out.type())
        << in.TypeName() << " " << (in.IsString() ? in.AsString() : "");
    if (out.IsString()) {
      EXPECT_EQ(got.AsString(), out.AsString());
    }
    if (out.IsError()) {
      EXPECT_EQ(got.AsError().code, 2015);
    }
  }
  EXPECT_EQ(app->ConvertFormula(Variant("$C$2"), host::kXlA1, host::kXlR1C1).AsString(), "R2C3");
  EXPECT_EQ(RaisedNumber([&] { app->ConvertFormula(Variant("R1C1"), 7, host::kXlA1); }),
            err::kAppDefined);
}

TEST_F(WorkbookModelTest, RunCallsRegisteredMacrosUnlessACellIsBeingEdited) {
  std::vector<Variant> seen;
  app->RegisterMacro("ShowWizard", [&](std::span<Variant> args) {
    seen.assign(args.begin(), args.end());
    return Variant(true);
  });
  EXPECT_TRUE(
      app->Run("showwizard", {Variant("ExcelTrendWizard1"), Variant(std::int32_t{4})}).AsBool());
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].AsLong(), 4);
  EXPECT_EQ(RaisedNumber([&] { app->Run("Other", {}); }), err::kAppDefined);
  driver.SetCellEditMode(true);
  EXPECT_EQ(RaisedNumber([&] { app->Run("ShowWizard", {}); }), err::kAppDefined);
}

TEST_F(WorkbookModelTest, LanguageSettingsAndMousePointer) {
  EXPECT_EQ(app->LanguageSettings()->LanguageID(host::kMsoLanguageIdUI), 1033);
  app->SetUILanguage(1049);
  EXPECT_EQ(app->LanguageSettings()->LanguageID(host::kMsoLanguageIdUI), 1049);
  app->SetScreenMousePointer(11);
  EXPECT_EQ(app->ScreenMousePointer(), 11);
}

TEST_F(WorkbookModelTest, NothingIsActiveWithoutWorkbooks) {
  EXPECT_FALSE(app->ActiveWorkbook());
  EXPECT_FALSE(app->ActiveSheet());
  EXPECT_FALSE(app->ActiveCell());
  NewBook();
  driver.Activate("Sheet3!C4");
  EXPECT_EQ(app->ActiveCell()->Address(), "$C$4");
  EXPECT_EQ(app->ActiveSheet()->Name(), "Sheet3");
}

}  // namespace
}  // namespace velkor::host_test
