#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include <unistd.h>

#include "platform/ErrorNumbers.h"
#include "standins/LanguageLibrary.h"
#include "standins/SimServices.h"
#include "support/Language.h"
#include "support/StringTable.h"
#include "unit/ScopedEnvironment.h"

namespace velkor::sim {
namespace {

namespace fs = std::filesystem;

// A folder of its own per test, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = fs::temp_directory_path() /
            ("velkor-" + std::string(test->name()) + "-" + std::to_string(::getpid()));
    fs::remove_all(path_);
    fs::create_directories(path_ / "lang");
  }
  ~TempFolder() { fs::remove_all(path_); }
  void Write(const std::string& name, std::string_view content) const {
    std::ofstream(path_ / "lang" / name, std::ios::binary) << content;
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::int32_t ParseError(std::string_view content, std::string* description) {
  try {
    ParseLanguageTable(content, "t.tsv");
  } catch (const VbError& e) {
    *description = e.description();
    return e.number();
  }
  return 0;
}

TEST(SimLanguageLibrary, ReadsEscapedLinesAndToleratesCrLfAndEmptyLines) {
  auto table = ParseLanguageTable("10\tA\\tB\r\n\n3001\tx\\r\\n_\n50041\ta \\\\n b\n7\t", "t.tsv");
  EXPECT_EQ(table, (LanguageTable{{7, ""}, {10, "A\tB"}, {3001, "x\r\n_"}, {50041, "a \\n b"}}));
}

TEST(SimLanguageLibrary, NamesTheFileAndLineOfAMalformedEntry) {
  struct Case {
    std::string_view content;
    std::string_view where;
  };
  const Case cases[] = {
      {"10 Wizard", "t.tsv line 1"},    {"10\tok\nx1\tbad id", "t.tsv line 2"},
      {"10\tok\n\n\t", "t.tsv line 3"}, {"10\tbad \\q escape", "t.tsv line 1"},
      {"10\ta\n10\tb", "t.tsv line 2"}, {"99999999999\ttoo big", "t.tsv line 1"},
  };
  for (const auto& c : cases) {
    std::string description;
    EXPECT_EQ(ParseError(c.content, &description), err::kCannotCreateObject) << c.content;
    EXPECT_NE(description.find(c.where), std::string::npos) << description;
  }
}

TEST(SimLanguageLibrary, AnswersGetStringAndRaises326ForAMissingId) {
  LanguageLibrary library(std::make_shared<const LanguageTable>(LanguageTable{{5, "five"}}));
  EXPECT_EQ(library.get_string(5), "five");
  try {
    library.get_string(6);
    ADD_FAILURE() << "no error for a missing id";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), err::kResourceNotFound);
  }
}

TEST(SimLanguageLibrary, RegistersOneLibraryPerTableFileAndLoadsEachOnItsOwn) {
  TempFolder folder;
  folder.Write("1031.tsv", "50001\tDiesen Trend löschen?\n");
  folder.Write("1032.tsv", "50001 no tab\n");
  folder.Write("notes.txt", "50001\tnot a table\n");
  folder.Write("de-DE.tsv", "50001\tno locale name\n");
  ObjectRegistry registry;
  EXPECT_EQ(RegisterLanguageLibraries(registry, folder.path() / "lang"),
            (std::vector<std::string>{"1031", "1032"}));
  EXPECT_FALSE(registry.IsRegistered("KVRTnotes.ResourceStrings"));
  EXPECT_TRUE(RegisterLanguageLibraries(registry, folder.path() / "missing").empty());

  auto sim = InstallSimServices({.languageLibraries = true, .dataDir = folder.path()});
  EXPECT_FALSE(LoadLanguage("1032"));  // the broken table fails only its own language
  EXPECT_TRUE(LoadLanguage("1031"));
  EXPECT_EQ(GetString(50001), "Diesen Trend löschen?");
}

TEST(SimLanguageLibrary, TheEnvironmentOverridesTheDataFolder) {
  TempFolder folder;
  folder.Write("1031.tsv", "50001\tDiesen Trend löschen?\n");
  velkor::test::ScopedEnvironment dataDir("VELKOR_DATA_DIR", folder.path().string());
  EXPECT_EQ(SimDataDir(), folder.path());
  auto sim = InstallSimServices();
  EXPECT_TRUE(sim.objects->IsRegistered("KVRT1031.ResourceStrings"));
  EXPECT_FALSE(sim.objects->IsRegistered("KVRT1049.ResourceStrings"));
  dataDir.Set("");  // empty counts as not set
  EXPECT_EQ(SimDataDir(), fs::path(VELKOR_DATA_DIR));
}

// The tables shipped in data/lang.
class SimShippedLanguages : public ::testing::Test {
 protected:
  static LanguageTable Read(const std::string& locale) {
    return ReadLanguageTable(fs::path(VELKOR_DATA_DIR) / "lang" / (locale + ".tsv"));
  }
};

TEST_F(SimShippedLanguages, TheEnglishTableIsTheOwnTable) {
  auto english = Read("1033");
  ASSERT_EQ(english.size(), OwnStringTable().size());
  for (const auto& entry : OwnStringTable()) EXPECT_EQ(english[entry.id], entry.text) << entry.id;
}

TEST_F(SimShippedLanguages, TheRussianTableTranslatesEveryEntryAndKeepsItsMarks) {
  // Names, keys and expressions that stay as they are in every language.
  const std::set<std::int32_t> kept = {108,   3600,  50013, 50014, 50022, 50023, 50024, 50025,
                                       50056, 50057, 50117, 50118, 50119, 50120, 50152, 50153};
  auto russian = Read("1049");
  ASSERT_EQ(russian.size(), OwnStringTable().size());
  for (const auto& [id, english] : OwnStringTable()) {
    ASSERT_TRUE(russian.contains(id)) << id;
    const std::string& text = russian[id];
    if (kept.contains(id))
      EXPECT_EQ(text, english) << id;
    else
      EXPECT_NE(text, english) << id;
    auto count = [](std::string_view s, std::string_view what) {
      std::size_t n = 0;
      for (auto at = s.find(what); at != s.npos; at = s.find(what, at + what.size())) ++n;
      return n;
    };
    EXPECT_EQ(count(text, "&"), count(english, "&")) << id;
    EXPECT_EQ(count(text, "???"), count(english, "???")) << id;
    EXPECT_EQ(count(text, "\r\n"), count(english, "\r\n")) << id;
    EXPECT_EQ(text.starts_with(' '), english.starts_with(' ')) << id;
    EXPECT_EQ(text.ends_with(' '), english.ends_with(' ')) << id;
  }
}

}  // namespace
}  // namespace velkor::sim
