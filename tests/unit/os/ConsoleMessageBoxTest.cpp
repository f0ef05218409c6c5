#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "os/linux/ConsoleMessageBox.h"
#include "standins/InteractiveMessageBox.h"

namespace velkor::sim {
namespace {

using namespace os;

struct Case {
  std::int32_t type;
  std::string input;  // what the user types; "<eof>" closes the input at once
  std::int32_t expected;
};

std::int32_t Ask(const Case& c, std::string* shown = nullptr) {
  std::istringstream in(c.input == "<eof>" ? "" : c.input);
  std::ostringstream out;
  ConsoleMessageBox box(in, out, true);
  const std::int32_t answer = box.Popup("Delete the trend?", 0, "Insert Trend Wizard", c.type);
  if (shown) *shown = out.str();
  return answer;
}

TEST(ConsoleMessageBox, EmptyInputOrEndOfInputPressesTheDefaultButton) {
  const std::vector<Case> cases{
      {kMbOk, "\n", kIdOk},
      {kMbOkCancel | 0x100, "\n", kIdCancel},
      {kMbYesNo | kMbIconQuestion, "<eof>", kIdYes},
      {kMbYesNo | 0x100, "<eof>", kIdNo},
      {kMbYesNoCancel | 0x200, "   \n", kIdCancel},
      {kMbYesNo | 0x200, "\n", kIdYes},  // no third button: the first
      {kMbAbortRetryIgnore | 0x100, "\n", kIdRetry},
  };
  for (const auto& c : cases) EXPECT_EQ(Ask(c), c.expected) << c.type;
}

TEST(ConsoleMessageBox, ReadsAButtonByNumberOrName) {
  const std::vector<Case> cases{
      {kMbYesNo, "2\n", kIdNo},
      {kMbYesNo, "no\n", kIdNo},
      {kMbYesNo, " N \n", kIdNo},
      {kMbYesNoCancel, "c\n", kIdCancel},
      {kMbRetryCancel, "RETRY\n", kIdRetry},
      {kMbOkCancel, "9\nfoo\ncancel\n", kIdCancel},  // asked again after nonsense
      {kMbOkCancel, "1.5\n<eof>", kIdOk},
      {6, "c\n\n", 2},           // Cancel or Continue: ambiguous, then the default
      {6, "cont\n", 11},         // Continue
      {kMbOk, "nope\n", kIdOk},  // input ends after the nonsense: the default
  };
  for (const auto& c : cases) EXPECT_EQ(Ask(c), c.expected) << c.input;
}

TEST(ConsoleMessageBox, ShowsTitleTextAndButtons) {
  std::string shown;
  Ask({kMbYesNo | 0x100, "\n", 0}, &shown);
  EXPECT_NE(shown.find("Insert Trend Wizard"), std::string::npos);
  EXPECT_NE(shown.find("Delete the trend?"), std::string::npos);
  EXPECT_NE(shown.find("[1] Yes  [2] No  (Enter: No)"), std::string::npos) << shown;
}

TEST(ConsoleMessageBox, WithoutATerminalPressesTheDefaultAndShowsNothing) {
  std::istringstream in("2\n");
  std::ostringstream out;
  ConsoleMessageBox box(in, out, false);
  EXPECT_EQ(box.Popup("text", 0, "title", kMbYesNo | 0x100), kIdNo);
  EXPECT_EQ(out.str(), "");
}

TEST(InteractiveMessageBox, ScriptedAnswersComeFirstAndEveryBoxIsRecorded) {
  std::istringstream in("no\n");
  std::ostringstream out;
  auto scripted = std::make_shared<ScriptedMessageBox>();
  InteractiveMessageBox box(scripted, std::make_shared<ConsoleMessageBox>(in, out, true));
  scripted->QueueAnswers({kIdCancel});
  EXPECT_EQ(box.Popup("a", 0, "t", kMbYesNoCancel), kIdCancel);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(box.Popup("b", 0, "t", kMbYesNoCancel), kIdNo);
  ASSERT_EQ(scripted->Shown().size(), 2u);
  EXPECT_EQ(scripted->Shown()[1].text, "b");
  EXPECT_EQ(scripted->Shown()[1].answer, kIdNo);
}

}  // namespace
}  // namespace velkor::sim
