#include <gtest/gtest.h>

#include "standins/host/CellAddress.h"
#include "standins/host/SheetReference.h"

namespace velkor::sim {
namespace {

struct A1Case {
  const char* text;
  CellArea area;
  const char* address;  // AbsoluteAddress of the area
};

TEST(CellAddressTest, ParsesA1CellsAndAreasWithOrWithoutDollars) {
  const A1Case cases[] = {
      {"A1", {1, 1, 1, 1}, "$A$1"},
      {"$A$1", {1, 1, 1, 1}, "$A$1"},
      {"b5", {5, 2, 5, 2}, "$B$5"},
      {"$B5", {5, 2, 5, 2}, "$B$5"},
      {"B$5:C6", {5, 2, 6, 3}, "$B$5:$C$6"},
      {"C6:B5", {5, 2, 6, 3}, "$B$5:$C$6"},
      {"A1:A1", {1, 1, 1, 1}, "$A$1"},
      {"Z1", {1, 26, 1, 26}, "$Z$1"},
      {"AA10", {10, 27, 10, 27}, "$AA$10"},
      {"XFD1048576", {1048576, 16384, 1048576, 16384}, "$XFD$1048576"},
  };
  for (const auto& c : cases) {
    auto ref = ParseA1(c.text);
    ASSERT_TRUE(ref) << c.text;
    EXPECT_EQ(ref->Area(), c.area) << c.text;
    EXPECT_EQ(AbsoluteAddress(ref->Area()), c.address) << c.text;
  }
}

TEST(CellAddressTest, RejectsTextThatIsNoA1Address) {
  for (const char* text :
       {"",      "A0",  "XFE1",     "A1048577",     "R0C1",  "R1C1",     "1A",  "A",
        "1",     "$",   "A1:",      ":A1",          "A1:B",  "A 1",      " A1", "A1 ",
        "AAAA1", "A-1", "A1:B2:C3", "A99999999999", "A1,B2", "Sheet1!A1"})
    EXPECT_FALSE(ParseA1(text)) << text;
}

TEST(CellAddressTest, ColumnLettersRoundTrip) {
  for (std::int32_t column : {1, 26, 27, 52, 702, 703, 16384})
    EXPECT_EQ(ParseColumnLetters(ColumnLetters(column)), column);
  EXPECT_EQ(ColumnLetters(28), "AB");
  EXPECT_FALSE(ParseColumnLetters("XFE"));
}

struct R1C1Case {
  const char* text;
  const char* a1;  // FormatA1 of the parsed reference, base cell B2
};

TEST(CellAddressTest, ParsesR1C1AgainstABaseCell) {
  const R1C1Case cases[] = {
      {"R2C3", "$C$2"},       {"r5c2:r6c3", "$B$5:$C$6"}, {"R[1]C[-1]", "A3"},
      {"RC", "B2"},           {"R1C[1]", "C$1"},          {"R[-1]C1", "$A1"},
      {"R2015C1", "$A$2015"}, {"R[+2]C", "B4"},           {"R1C1:R[1]C[1]", "$A$1:C3"},
  };
  for (const auto& c : cases) {
    auto ref = ParseR1C1(c.text, 2, 2);
    ASSERT_TRUE(ref) << c.text;
    EXPECT_EQ(FormatA1(*ref), c.a1) << c.text;
  }
}

TEST(CellAddressTest, FormatsR1C1WithOffsetsForRelativeParts) {
  const std::pair<const char*, const char*> cases[] = {
      {"$C$2", "R2C3"},  {"A3", "R[1]C[-1]"},        {"B2", "RC"},
      {"C$1", "R1C[1]"}, {"$B$5:$C$6", "R5C2:R6C3"},
  };
  for (const auto& [a1, r1c1] : cases) EXPECT_EQ(FormatR1C1(*ParseA1(a1), 2, 2), r1c1) << a1;
}

TEST(CellAddressTest, RejectsR1C1TextThatIsNoReferenceOrLeavesTheSheet) {
  for (const char* text : {"", "R0C1", "R1C0", "R1", "C1", "A1", "$C$2", "R[-2]C", "RC[-2]",
                           "R1048577C1", "R1C16385", "R[1C1", "R1C1:", "R1C1x", "Sheet1"})
    EXPECT_FALSE(ParseR1C1(text, 2, 2)) << text;
}

TEST(CellAddressTest, IntersectionOfAreas) {
  EXPECT_EQ(Intersection({1, 1, 5, 5}, {3, 3, 8, 8}), (CellArea{3, 3, 5, 5}));
  EXPECT_EQ(Intersection({2, 2, 2, 2}, {1, 1, 3, 3}), (CellArea{2, 2, 2, 2}));
  EXPECT_FALSE(Intersection({1, 1, 2, 2}, {3, 3, 4, 4}));
  EXPECT_FALSE(Intersection({1, 1, 2, 2}, {1, 3, 2, 4}));
}

struct ReferenceCase {
  const char* text;
  const char* book;  // nullptr: none
  const char* sheet;
  const char* address;
};

TEST(SheetReferenceTest, SplitsWorkbookSheetAndAddress) {
  const ReferenceCase cases[] = {
      {"A1", nullptr, nullptr, "A1"},
      {"Sheet1!$A$1", nullptr, "Sheet1", "$A$1"},
      {"[Book1.xls]Sheet1!B2", "Book1.xls", "Sheet1", "B2"},
      {"'My Sheet'!C3", nullptr, "My Sheet", "C3"},
      {"'[My Book.xls]It''s'!D4", "My Book.xls", "It's", "D4"},
      {"'Лист 1'!A1", nullptr, "Лист 1", "A1"},
      {"Données!A1", nullptr, "Données", "A1"},
      {"Sheet2!", nullptr, "Sheet2", ""},
  };
  for (const auto& c : cases) {
    auto ref = ParseSheetReference(c.text);
    ASSERT_TRUE(ref) << c.text;
    EXPECT_EQ(ref->book.has_value(), c.book != nullptr) << c.text;
    if (c.book) {
      EXPECT_EQ(*ref->book, c.book);
    }
    EXPECT_EQ(ref->sheet.has_value(), c.sheet != nullptr) << c.text;
    if (c.sheet) {
      EXPECT_EQ(*ref->sheet, c.sheet);
    }
    EXPECT_EQ(ref->address, c.address) << c.text;
  }
}

TEST(SheetReferenceTest, RejectsUnclosedQuotesAndBrackets) {
  for (const char* text : {"'Sheet1!A1", "'Sheet1'A1", "[Book1Sheet1!A1", "[Book1]A1"})
    EXPECT_FALSE(ParseSheetReference(text)) << text;
}

TEST(SheetReferenceTest, QuotesNamesThatNeedIt) {
  EXPECT_EQ(QuoteSheetName("Sheet1"), "Sheet1");
  EXPECT_EQ(QuoteSheetName("My Sheet"), "'My Sheet'");
  EXPECT_EQ(QuoteSheetName("It's"), "'It''s'");
  EXPECT_EQ(QuoteSheetName("2020"), "'2020'");
}

}  // namespace
}  // namespace velkor::sim
