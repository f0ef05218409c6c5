#include <gtest/gtest.h>

#include "support/StringTable.h"
#include "support/TextEscape.h"

namespace velkor {
namespace {

TEST(TextEscape, WritesControlCharactersAndBackslashVisibly) {
  struct Case {
    std::string_view raw, escaped;
  };
  const Case cases[] = {
      {"plain & simple", "plain & simple"},
      {"a\r\n\r\n_", "a\\r\\n\\r\\n_"},
      {"tab\there", "tab\\there"},
      {"two chars \\n", "two chars \\\\n"},
      {"\\", "\\\\"},
      {"", ""},
      {"Удалить тренд?", "Удалить тренд?"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EscapeText(c.raw), c.escaped);
    EXPECT_EQ(UnescapeText(c.escaped), std::string(c.raw));
  }
}

TEST(TextEscape, EveryOwnTextReadsBackFromOneLine) {
  for (const auto& entry : OwnStringTable()) {
    auto escaped = EscapeText(entry.text);
    EXPECT_EQ(escaped.find_first_of("\r\n\t"), std::string::npos) << entry.id;
    EXPECT_EQ(UnescapeText(escaped), std::string(entry.text)) << entry.id;
  }
}

TEST(TextEscape, RejectsUnknownEscapesAndALoneTrailingBackslash) {
  for (std::string_view bad : {"\\x", "ends with \\", "\\N", "\\\\\\"})
    EXPECT_FALSE(UnescapeText(bad).has_value()) << bad;
}

}  // namespace
}  // namespace velkor
