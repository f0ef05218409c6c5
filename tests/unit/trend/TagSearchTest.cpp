#include "trend/TagSearch.h"

#include <gtest/gtest.h>

#include "control/ExcelTrendWizard.h"
#include "control/components/ProgIds.h"
#include "model/ZaltPoints.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "unit/control/InvokeHelpers.h"
#include "unit/trend/OptionFakes.h"
#include "unit/trend/SandboxedServices.h"

namespace velkor {
namespace {

using test::CallMethod;

// Answers the search with a fixed value and records the owner windows.
class ScriptedTagSearch : public Object {
 public:
  std::string TypeName() const override { return "TagSearchDialog"; }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override {
    if (member != component::kTagSearchShowMethod || args.size() != 1)
      return Object::Invoke(member, kind, args);
    owners.push_back(CLng(args[0]));
    return answer;
  }
  Variant answer;
  std::vector<std::int32_t> owners;
};

// Rows of (server, tag) with the given lower bounds.
Variant Rows(const std::vector<std::pair<std::string, std::string>>& rows, std::int32_t rowBase = 0,
             std::int32_t columnBase = 0) {
  SafeArray array({rowBase, static_cast<std::int32_t>(rows.size())}, {columnBase, 2});
  for (std::int32_t i = 0; i < static_cast<std::int32_t>(rows.size()); ++i) {
    array.at(rowBase + i, columnBase) = rows[i].first;
    array.at(rowBase + i, columnBase + 1) = rows[i].second;
  }
  return Variant(std::move(array));
}

class TagSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim_.objects->Register(component::kTagSearchDialogProgId, [this] {
      dialogs.push_back(std::make_shared<ScriptedTagSearch>());
      dialogs.back()->answer = answer;
      return dialogs.back();
    });
  }
  std::shared_ptr<ZaltPoints> Search(std::int32_t owner = 0x1234) {
    std::vector<Variant> args = {owner};
    Variant result = CallMethod(*control, "ZaltShowTagSearchDlg", args);
    EXPECT_TRUE(result.IsObject());
    return result.ObjectAs<ZaltPoints>();
  }
  std::vector<std::string> Reports() const { return services.Reports(); }

  test::SandboxedServices services;
  sim::SimServices& sim_ = services.sim;
  std::shared_ptr<ExcelTrendWizard> control = std::make_shared<ExcelTrendWizard>();
  std::vector<std::shared_ptr<ScriptedTagSearch>> dialogs;
  Variant answer;
};

TEST_F(TagSearchTest, ChosenPointsComeBackInRowOrderAllNamedP1) {
  answer = Rows({{"srv1", "sinusoid"}, {"srv2", "ramp"}, {"srv1", "Ünïcode tag"}}, 1);
  auto points = Search(0x4711);
  ASSERT_TRUE(points);
  ASSERT_EQ(points->Count(), 3);
  const char* expected[][2] = {{"srv1", "sinusoid"}, {"srv2", "ramp"}, {"srv1", "Ünïcode tag"}};
  int i = 0;
  for (const auto& point : *points) {
    EXPECT_EQ(CStr(point->Name()), "P1");
    EXPECT_EQ(CStr(point->ServerName()), expected[i][0]);
    EXPECT_EQ(CStr(point->TagName()), expected[i][1]);
    ++i;
  }
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0]->owners, std::vector<std::int32_t>{0x4711});
}

TEST_F(TagSearchTest, NoChosenRowGivesAnEmptyCollectionAndEachSearchANewDialog) {
  answer = Rows({});
  auto first = Search();
  auto second = Search();
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->Count(), 0);
  EXPECT_NE(first, second);
  EXPECT_EQ(dialogs.size(), 2u);
  EXPECT_TRUE(Reports().empty());
}

TEST_F(TagSearchTest, FailuresAreShownThenReportedAndGiveNothing) {
  struct Case {
    const char* what;
    Variant answer;
    bool registered;
    std::int32_t number;
  };
  const Case cases[] = {
      {"columns not starting at 0", Rows({{"srv", "tag"}}, 0, 1), true, err::kSubscriptOutOfRange},
      {"not an array", Variant(), true, err::kTypeMismatch},
      {"one-dimensional", Variant(SafeArray({Variant("srv")})), true, err::kSubscriptOutOfRange},
      {"no dialog installed", Variant(), false, err::kCannotCreateObject},
  };
  for (const auto& c : cases) {
    sim_.messageBox->ClearShown();
    answer = c.answer;
    if (!c.registered) sim_.objects->Unregister(component::kTagSearchDialogProgId);
    std::vector<Variant> args = {std::int32_t{1}};
    Variant result = CallMethod(*control, "ZaltShowTagSearchDlg", args);
    EXPECT_TRUE(result.IsNothing()) << c.what;
    ASSERT_EQ(sim_.messageBox->Shown().size(), 1u) << c.what;
    const auto& box = sim_.messageBox->Shown()[0];
    EXPECT_TRUE(box.text.starts_with(StandardDescription(c.number))) << box.text;
    EXPECT_EQ(box.title, "Insert Trend Wizard") << c.what;
    EXPECT_EQ(box.type, 0) << c.what;
    EXPECT_EQ(Reports().back(), "ETW_ZaltShowTagSearchDlg") << c.what;
    EXPECT_NE(sim_.log->Lines().back().find("Error " + std::to_string(c.number)), std::string::npos)
        << c.what;
  }
}

TEST_F(TagSearchTest, KnownServersAreNeverListed) {
  std::vector<Variant> none;
  EXPECT_TRUE(CallMethod(*control, "ZaltGetKnownServers", none).IsNothing());
}

}  // namespace
}  // namespace velkor
