#include "model/CellReference.h"

#include <gtest/gtest.h>

#include "model/OptionalArgument.h"
#include "model/WorkbookIndex.h"
#include "platform/VbString.h"
#include "unit/model/HostModelFixture.h"

namespace velkor {
namespace {

class CellReferenceTest : public test::HostModelFixture {
 protected:
  // Sheet2 is active, so that a reference without a sheet part is told
  // apart from one that names Sheet1.
  CellReferenceTest() { driver.Activate("Sheet2!A1"); }
};

struct Case {
  const char* ref;
  const char* expected;
};

TEST_F(CellReferenceTest, WorkbookPartIsTheTextInsideTheBrackets) {
  const Case cases[] = {
      {"", ""},
      {"   ", ""},
      {"Sheet1!A1", ""},
      {"[Book1.xls]Sheet1!A1", "Book1.xls"},
      {"[ Book1.xls ]Sheet1!A1", "Book1.xls"},
      {"  [Book1.xls]'My Sheet'!A1  ", "Book1.xls"},
      {"[Book1.xls", "Book1.xls"},  // no closing bracket: everything after "["
      {"[]Sheet1!A1", ""},
      {"[Bücher ü.xls]Blatt!A1", "Bücher ü.xls"},
  };
  for (const auto& c : cases) {
    std::string ref = c.ref;
    EXPECT_EQ(ExtractWorkBookName(ref), c.expected) << c.ref;
    EXPECT_EQ(ref, vb::Trim(c.ref)) << c.ref;
  }
  EXPECT_TRUE(Reports().empty());
}

TEST_F(CellReferenceTest, SheetPartDropsWorkbookAndQuotes) {
  const Case cases[] = {
      {"'Sheet 1'!$A$1", "Sheet 1"},
      {"[Book1.xls]Sheet1!$A$1", "Sheet1"},
      {"Sheet1!A1", "Sheet1"},
      {"  Sheet1 !A1", "Sheet1"},
      {"[Book1.xls]'Sheet 1'!A1", "Sheet 1"},
      {"'[Book 1.xls]Sheet 1'!$A$1", "Sheet 1"},  // quotes around workbook and sheet
      {"'O''Brien''s'!B2", "O'Brien's"},
      {"''!A1", ""},
      {"Sheet1", "Sheet2"},  // no "!": the active sheet
      {"", "Sheet2"},
      {"!A1", ""},
      {"Лист 1!B2", "Лист 1"},
  };
  for (const auto& c : cases) {
    std::string ref = c.ref;
    EXPECT_EQ(GetSheetName(ref), c.expected) << c.ref;
    EXPECT_EQ(ref, vb::Trim(c.ref)) << c.ref;
  }
  EXPECT_TRUE(Reports().empty());
}

TEST_F(CellReferenceTest, UnbalancedQuoteIsReportedAndKeepsTheSheetText) {
  std::string ref = "'Sheet 1!A1";
  EXPECT_EQ(GetSheetName(ref), "'Sheet 1");
  EXPECT_EQ(Reports(), std::vector<std::string>{"Zalt-KX-TrendWizard>Error 5: Invalid procedure "
                                                "call or argument in GetSheetName"});
}

TEST_F(CellReferenceTest, SheetOfAReferenceWithoutSheetPartNeedsTheHost) {
  gAppExcel = nullptr;
  std::string ref = "A1";
  EXPECT_EQ(GetSheetName(ref), "");
  ASSERT_EQ(Reports().size(), 1u);
  EXPECT_NE(Reports()[0].find("Error 91:"), std::string::npos);
}

TEST_F(CellReferenceTest, AddressPartComesBackInA1Notation) {
  const Case cases[] = {
      {"[Book1.xls]Sheet1!R5C2", "$B$5"},
      {"Sheet1!$B$5", "$B$5"},
      {"Sheet1!R2015C1", "$A$2015"},
      {"R2C3", "$C$2"},
      {"Sheet1!R1C1:R2C2", "$A$1:$B$2"},
      {"Sheet1!  B5 ", "B5"},
      {"Sheet1!no address", "no address"},
      {"Sheet1!", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    std::string ref = c.ref;
    Variant address = GetRangeAddress(ref);
    ASSERT_TRUE(address.IsString()) << c.ref;
    EXPECT_EQ(address.AsString(), c.expected) << c.ref;
    EXPECT_EQ(ref, vb::Trim(c.ref)) << c.ref;
  }
  EXPECT_TRUE(Reports().empty());
}

TEST_F(CellReferenceTest, AddressWithoutHostIsReturnedAsWritten) {
  gAppExcel = nullptr;
  std::string ref = "Sheet1!R5C2";
  EXPECT_EQ(GetRangeAddress(ref).AsString(), "R5C2");
  EXPECT_TRUE(Reports().empty());
}

TEST_F(CellReferenceTest, WorkbookIsFoundByNameIgnoringCase) {
  auto second = NewBook();
  struct IndexCase {
    std::string name;
    std::int16_t expected;
  };
  const IndexCase cases[] = {
      {book->Name(), 1},
      {vb::LCase(second->Name()), 2},
      {"  " + second->Name() + " ", 2},
      {"Nope.xls", kWorkbookNotOpen},
      {"", kWorkbookNotOpen},
  };
  for (const auto& c : cases) {
    std::string name = c.name;
    EXPECT_EQ(GetWorkbookIndex(name), c.expected) << c.name;
    EXPECT_EQ(name, vb::Trim(c.name));
  }
  gAppExcel = nullptr;
  std::string name = book->Name();
  EXPECT_EQ(GetWorkbookIndex(name), kWorkbookNotOpen);
}

TEST(IsMissingOrEmptyTest, OnlyOmittedAndEmptyCountAsNotGiven) {
  struct BoolCase {
    Variant value;
    bool expected;
  };
  const BoolCase cases[] = {
      {Variant::Missing(), true}, {Variant(), true},        {Variant(""), false},
      {Variant(0), false},        {Variant::Null(), false}, {Variant::Nothing(), false},
  };
  for (const auto& c : cases) {
    Variant result = IsMissingOrEmpty(c.value);
    ASSERT_EQ(result.type(), VarType::Boolean);
    EXPECT_EQ(result.AsBool(), c.expected) << c.value.TypeName();
  }
}

}  // namespace
}  // namespace velkor
