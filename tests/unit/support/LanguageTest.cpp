#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"
#include "platform/os/OsServices.h"
#include "standins/LanguageLibrary.h"
#include "standins/SimServices.h"
#include "support/Language.h"
#include "support/ResourceStrings.h"

namespace velkor {
namespace {

// Records how it is called and answers every id with the Long 7, so that the
// caller's conversion of the result shows.
class RecordingLanguage : public Object {
 public:
  std::string TypeName() const override { return "ResourceStrings"; }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override {
    member_ = std::string(member);
    kind_ = kind;
    argTypes_.clear();
    for (const auto& a : args) argTypes_.push_back(a.type());
    return Variant(std::int32_t{7});
  }
  std::string member_;
  InvokeKind kind_ = InvokeKind::PropertySet;
  std::vector<VarType> argTypes_;
};

class Language : public ::testing::Test {
 protected:
  void SetUp() override {
    sim_ = sim::InstallSimServices({.languageLibraries = false, .dataDir = std::nullopt});
  }
  void AddLanguage(std::string_view locale, sim::LanguageTable table) {
    sim::RegisterLanguageLibrary(*sim_.objects, locale, std::move(table));
  }
  static std::int32_t ErrorOf(std::int32_t id) {
    try {
      GetString(id);
    } catch (const VbError& e) {
      return e.number();
    }
    return 0;
  }
  sim::SimServices sim_;
};

TEST_F(Language, WithoutALibraryTextsComeFromTheOwnTable) {
  EXPECT_FALSE(LoadLanguage("1049"));
  EXPECT_EQ(GetString(50152), "Plotvane");
  EXPECT_EQ(ErrorOf(11), err::kResourceNotFound);
}

TEST_F(Language, ALoadedLibraryAnswersUntilAnotherLoadSucceeds) {
  AddLanguage("1049", {{50001, "Удалить этот тренд?"}});
  AddLanguage("1031", {{50001, "Diesen Trend löschen?"}});

  EXPECT_TRUE(LoadLanguage("1049"));
  EXPECT_EQ(GetString(50001), "Удалить этот тренд?");
  // Failed loads keep the current object, whatever the reason.
  for (std::string_view id : {"", "9999", "1049 ", "kvrt"}) EXPECT_FALSE(LoadLanguage(id)) << id;
  EXPECT_EQ(GetString(50001), "Удалить этот тренд?");

  EXPECT_TRUE(LoadLanguage("1031"));
  EXPECT_EQ(GetString(50001), "Diesen Trend löschen?");
}

TEST_F(Language, AnIdTheLibraryLacksIsAnErrorForTheCaller) {
  AddLanguage("1049", {{50001, "Удалить этот тренд?"}});
  ASSERT_TRUE(LoadLanguage("1049"));
  // No fallback to the own table once a library is current.
  EXPECT_EQ(ErrorOf(50152), err::kResourceNotFound);
}

TEST_F(Language, CallsGetStringByNameWithALongAndConvertsTheResult) {
  auto language = std::make_shared<RecordingLanguage>();
  sim_.objects->Register("KVRT7.ResourceStrings", [language] { return language; });
  ASSERT_TRUE(LoadLanguage("7"));

  EXPECT_EQ(GetString(50001), "7");
  EXPECT_EQ(language->member_, "get_string");
  EXPECT_EQ(language->kind_, InvokeKind::Method);
  EXPECT_EQ(language->argTypes_, std::vector<VarType>{VarType::Long});
}

TEST_F(Language, ACreatorThatFailsOrGivesNothingLeavesTheLanguageAsItWas) {
  AddLanguage("1049", {{50001, "Удалить этот тренд?"}});
  ASSERT_TRUE(LoadLanguage("1049"));
  sim_.objects->Register("KVRT1.ResourceStrings", []() -> ObjectPtr { Raise(err::kOutOfMemory); });
  sim_.objects->Register("KVRT2.ResourceStrings", [] { return ObjectPtr(); });
  sim_.objects->Register("KVRT3.ResourceStrings",
                         []() -> ObjectPtr { throw std::runtime_error("refused"); });
  for (std::string_view id : {"1", "2", "3"}) EXPECT_FALSE(LoadLanguage(id)) << id;
  EXPECT_EQ(GetString(50001), "Удалить этот тренд?");
}

TEST_F(Language, WithoutAnyObjectFactoryLoadingFailsQuietly) {
  os::InstallOsServices({});
  EXPECT_FALSE(LoadLanguage("1033"));
  EXPECT_EQ(GetString(50001), "Would you like to delete this trend?");
}

TEST_F(Language, EachThreadHasItsOwnLanguageObject) {
  AddLanguage("1049", {{50001, "Удалить этот тренд?"}});
  ASSERT_TRUE(LoadLanguage("1049"));

  std::string before, after;
  bool loaded = false;
  std::thread other([&] {
    before = GetString(50001);  // nothing loaded on this thread yet
    auto sim = sim::InstallSimServices({.languageLibraries = false, .dataDir = std::nullopt});
    sim::RegisterLanguageLibrary(*sim.objects, "1031", {{50001, "Diesen Trend löschen?"}});
    loaded = LoadLanguage("1031");
    after = GetString(50001);
  });
  other.join();

  EXPECT_EQ(before, "Would you like to delete this trend?");
  EXPECT_TRUE(loaded);
  EXPECT_EQ(after, "Diesen Trend löschen?");
  EXPECT_EQ(GetString(50001), "Удалить этот тренд?");
}

// ResourceStrings.get_string: what the wizard add-in sees, and what it does to
// the controls of the same thread.
using ResourceStringsTest = Language;

TEST_F(ResourceStringsTest, WithoutTheEnglishLibraryServesTheOwnTable) {
  ResourceStrings strings;
  EXPECT_EQ(strings.get_string(50001), "Would you like to delete this trend?");
  EXPECT_EQ(strings.get_string(3001),
            "The ??? Wizard is finished collecting information.\r\n\r\n_");
}

TEST_F(ResourceStringsTest, WithoutTheEnglishLibraryLeavesTheControlsLanguageAlone) {
  AddLanguage("1049", {{50001, "Удалить этот тренд?"}});
  ASSERT_TRUE(LoadLanguage("1049"));
  ResourceStrings strings;
  EXPECT_EQ(strings.get_string(50001), "Would you like to delete this trend?");
  EXPECT_EQ(GetString(50001), "Удалить этот тренд?");
}

TEST_F(ResourceStringsTest, LoadingTheEnglishLibrarySwitchesTheThreadUntilTheControlReloads) {
  AddLanguage("1033", {{50001, "Delete this trend (library)?"}});
  AddLanguage("1049", {{50001, "Удалить этот тренд?"}});
  ASSERT_TRUE(LoadLanguage("1049"));

  ResourceStrings strings;
  EXPECT_EQ(strings.get_string(50001), "Delete this trend (library)?");
  // A control of this thread whose language is 1049 now gets English ...
  EXPECT_EQ(GetString(50001), "Delete this trend (library)?");
  // ... until it selects its language again.
  ASSERT_TRUE(LoadLanguage("1049"));
  EXPECT_EQ(GetString(50001), "Удалить этот тренд?");
}

TEST_F(ResourceStringsTest, AnswersLateBoundCallsByName) {
  auto strings = sim_.objects->CreateObject("velkor.resourcestrings");
  EXPECT_EQ(strings->TypeName(), "ResourceStrings");
  Variant code[] = {Variant(std::string("50152"))};  // converted like any Long argument
  EXPECT_EQ(CStr(strings->Invoke("GET_STRING", InvokeKind::Method, code)), "Plotvane");

  struct Case {
    std::string_view member;
    InvokeKind kind;
    std::size_t argCount;
    std::int32_t error;
  };
  const Case cases[] = {
      {"get_string", InvokeKind::Method, 0, err::kWrongArgCount},
      {"get_string", InvokeKind::Method, 2, err::kWrongArgCount},
      {"get_string", InvokeKind::PropertyLet, 1, err::kNoSupport},
      {"GetString", InvokeKind::Method, 1, err::kNoSupport},
      {"get_string", InvokeKind::Method, 1, err::kResourceNotFound},
  };
  for (const auto& c : cases) {
    std::vector<Variant> args(c.argCount, Variant(std::int32_t{11}));
    try {
      strings->Invoke(c.member, c.kind, args);
      ADD_FAILURE() << c.member << " with " << c.argCount << " arguments did not fail";
    } catch (const VbError& e) {
      EXPECT_EQ(e.number(), c.error) << c.member << " with " << c.argCount << " arguments";
    }
  }
}

}  // namespace
}  // namespace velkor
