#include <gtest/gtest.h>

#include <string>

#include "platform/ErrorNumbers.h"
#include "support/StringTable.h"

namespace velkor {
namespace {

TEST(StringTable, HoldsAllEntriesInAscendingIdOrder) {
  auto table = OwnStringTable();
  ASSERT_EQ(table.size(), 208u);
  EXPECT_EQ(table.front().id, 10);
  EXPECT_EQ(table.back().id, 50153);
  for (std::size_t i = 1; i < table.size(); ++i)
    EXPECT_LT(table[i - 1].id, table[i].id) << "after id " << table[i - 1].id;
}

TEST(StringTable, EveryTextIsFoundByItsId) {
  for (const auto& entry : OwnStringTable()) {
    EXPECT_FALSE(entry.text.empty()) << entry.id;
    EXPECT_EQ(OwnString(entry.id), entry.text);
  }
}

TEST(StringTable, NoTextHoldsADoubledAmpersand) {
  for (const auto& entry : OwnStringTable())
    EXPECT_EQ(entry.text.find("&&"), std::string_view::npos) << entry.id;
}

TEST(StringTable, KeepsTheUnusualCharactersOfItsTexts) {
  struct Case {
    std::int32_t id;
    std::string_view text;
  };
  const Case cases[] = {
      {3001, "The ??? Wizard is finished collecting information.\r\n\r\n_"},
      {50002, "Please select a valid  value."},
      {50026, "StartTime =  "},
      {50028,
       "There is a removed ExcelData Control. It will be reconnected.  Do you want to append the "
       "new trace to it?\""},
      {50041,
       "Some traces can not be deleted because this wizard did not create them. \\n Do you want "
       "to Continue deleting other traces?"},
      {50045, "Trend Add-in Wizard  "},
      {50121, "Error"},
      {50123, " in "},
      {50124, " at section # "},
      {50135, " Markers"},
      {50152, "Plotvane"},
  };
  for (const auto& c : cases) EXPECT_EQ(OwnString(c.id), c.text) << c.id;
}

TEST(StringTable, AnIdNotInTheTableIsResourceNotFound) {
  for (std::int32_t id : {-1, 0, 9, 11, 50100, 50115, 50154, 2147483647}) {
    EXPECT_FALSE(FindOwnString(id).has_value()) << id;
    try {
      OwnString(id);
      ADD_FAILURE() << "no error for " << id;
    } catch (const VbError& e) {
      EXPECT_EQ(e.number(), err::kResourceNotFound) << id;
    }
  }
}

}  // namespace
}  // namespace velkor
