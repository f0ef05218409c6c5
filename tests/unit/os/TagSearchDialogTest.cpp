#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/components/ProgIds.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/os/ObjectFactory.h"
#include "platform/os/OsServices.h"
#include "standins/SimServices.h"
#include "standins/TagSearchDialog.h"
#include "unit/platform/RaisedNumber.h"

namespace velkor::sim {
namespace {

using Rows = std::vector<std::array<std::string, 2>>;

class TagSearchDialogTest : public ::testing::Test {
 protected:
  TagSearchDialogTest() : saved_(os::OsServices()) {
    SimOptions options;
    options.languageLibraries = false;
    options.logToFile = false;
    InstallSimServices(options);
  }
  ~TagSearchDialogTest() override { os::InstallOsServices(saved_); }

  // Shows a new dialog as the control does and reads its points back.
  static Rows Show(std::int32_t parent = 0) {
    auto dialog = os::CreateObject(component::kTagSearchDialogProgId);
    std::vector<Variant> args{Variant(parent)};
    const Variant result =
        dialog->Invoke(component::kTagSearchShowMethod, InvokeKind::Method, args);
    const SafeArray& points = result.AsArray();
    EXPECT_EQ(points.Dimensions(), 2);
    EXPECT_EQ(points.LBound(1), 0);
    EXPECT_EQ(points.LBound(2), 0);
    EXPECT_EQ(points.UBound(2), 1);
    Rows rows;
    for (std::int32_t i = points.LBound(1); i <= points.UBound(1); ++i) {
      rows.push_back({CStr(points.at(i, 0)), CStr(points.at(i, 1))});
    }
    return rows;
  }

 private:
  os::Services saved_;
};

TEST_F(TagSearchDialogTest, EachDialogAnswersWithTheNextScriptedRows) {
  const Rows first{{"srv1", "sinusoid"}, {"srv1", "cdt158"}, {"srv2", "ramp"}};
  const Rows second{{"srv2", "walk"}};
  ScriptTagSearch(first);
  ScriptTagSearch(second);
  EXPECT_EQ(Show(), first);
  EXPECT_EQ(Show(), second);
  EXPECT_EQ(Show(), Rows{});  // nothing scripted: the user picked nothing
}

TEST_F(TagSearchDialogTest, AFreshSessionForgetsScriptedSearches) {
  ScriptTagSearch({{"srv1", "sinusoid"}});
  SimOptions options;
  options.languageLibraries = false;
  options.logToFile = false;
  InstallSimServices(options);
  EXPECT_EQ(Show(), Rows{});
}

TEST_F(TagSearchDialogTest, TakesExactlyTheParentWindow) {
  auto dialog = std::make_shared<TagSearchDialog>();
  std::vector<Variant> parent{Variant(std::int32_t{4711})};
  dialog->Invoke("showdialog", InvokeKind::Method, parent);
  EXPECT_EQ(dialog->lastParent(), 4711);

  struct Case {
    std::string member;
    std::vector<Variant> args;
    std::int32_t expected;
  };
  const std::vector<Case> cases{
      {"ShowDialog", {}, err::kWrongArgCount},
      {"ShowDialog", {Variant(1), Variant(2)}, err::kWrongArgCount},
      {"ShowDialog", {Variant::Missing()}, err::kArgNotOptional},
      {"ShowDialog", {Variant("window")}, err::kTypeMismatch},
      {"Show", {Variant(1)}, err::kNoSupport},
  };
  for (auto c : cases) {
    EXPECT_EQ(
        platform_test::RaisedNumber([&] { dialog->Invoke(c.member, InvokeKind::Method, c.args); }),
        c.expected)
        << c.member << " with " << c.args.size() << " arguments";
  }
}

}  // namespace
}  // namespace velkor::sim
