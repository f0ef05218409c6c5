#include <gtest/gtest.h>

#include "platform/ErrorNumbers.h"
#include "platform/os/OsServices.h"
#include "standins/SimServices.h"
#include "support/MsgBox.h"

namespace velkor {
namespace {

class ShellMsgBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim_ = sim::InstallSimServices({.languageLibraries = false, .dataDir = std::nullopt});
  }
  static std::int32_t ErrorOf(const std::string& prompt) {
    try {
      ShellMsgBox(prompt);
    } catch (const VbError& e) {
      return e.number();
    }
    return 0;
  }
  sim::SimServices sim_;
};

TEST_F(ShellMsgBoxTest, DefaultsToOkCancelWithTheInformationIconAndNoTitle) {
  EXPECT_EQ(ShellMsgBox("x"), os::kIdOk);
  sim_.messageBox->QueueAnswers({os::kIdCancel});
  EXPECT_EQ(ShellMsgBox("x"), os::kIdCancel);

  const auto& shown = sim_.messageBox->Shown();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, "x");
  EXPECT_EQ(shown[0].title, "");
  EXPECT_EQ(shown[0].type, os::kMbOkCancel | os::kMbIconInformation);
  EXPECT_EQ(shown[0].secondsToWait, 0);  // waits for the user
}

TEST_F(ShellMsgBoxTest, PassesTitleAndStyleAndReturnsThePressedButton) {
  sim_.messageBox->QueueAnswers({os::kIdNo});
  EXPECT_EQ(ShellMsgBox("Would you like to delete this trend?", "Plotvane", 36), os::kIdNo);
  EXPECT_EQ(ShellMsgBox("Delete?", "Plotvane", 36), os::kIdYes);  // the default button
  EXPECT_EQ(ShellMsgBox("Validation Error", "Plotvane", 48), os::kIdOk);

  const auto& shown = sim_.messageBox->Shown();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].title, "Plotvane");
  EXPECT_EQ(shown[0].type, 36);
  EXPECT_EQ(shown[2].type, 48);
}

TEST_F(ShellMsgBoxTest, ErrorsOfTheShellGoToTheCaller) {
  sim_.objects->Unregister("WScript.Shell");
  EXPECT_EQ(ErrorOf("no shell object"), err::kCannotCreateObject);

  sim_ = sim::InstallSimServices({.languageLibraries = false, .dataDir = std::nullopt});
  os::OsServices().messageBox.reset();
  EXPECT_EQ(ErrorOf("no message box"), err::kCannotCreateObject);

  os::InstallOsServices({});
  EXPECT_EQ(ErrorOf("no services"), err::kCannotCreateObject);
  EXPECT_TRUE(sim_.messageBox->Shown().empty());
}

}  // namespace
}  // namespace velkor
