#include <gtest/gtest.h>

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "standins/ScriptedMessageBox.h"
#include "standins/SimServices.h"

namespace velkor::sim {
namespace {

TEST(SimMessageBox, PressesTheDefaultButtonOfTheStyle) {
  struct Case {
    std::int32_t type;
    std::int32_t expected;
  };
  const Case cases[] = {
      {0, os::kIdOk},
      {48, os::kIdOk},
      {65, os::kIdOk},
      {1 | 0x100, os::kIdCancel},
      {36, os::kIdYes},
      {36 | 0x100, os::kIdNo},
      {3 | 0x200, os::kIdCancel},
      {2 | 0x100, os::kIdRetry},
      {5 | 0x100, os::kIdCancel},
      {4 | 0x200, os::kIdYes},  // no third button: the first one
      {0 | 0x300, os::kIdOk},
      {6 | 0x100, 10},
  };
  for (const auto& c : cases) EXPECT_EQ(os::DefaultButtonResult(c.type), c.expected) << c.type;
}

TEST(SimMessageBox, AnswersFromTheQueueThenFromTheDefaults) {
  ScriptedMessageBox box;
  box.QueueAnswers({os::kIdNo, os::kIdCancel});
  EXPECT_EQ(box.Popup("a", 0, "t", 36), os::kIdNo);
  EXPECT_EQ(box.PendingAnswers(), 1u);
  EXPECT_EQ(box.Popup("b", 0, "t", 65), os::kIdCancel);
  EXPECT_EQ(box.Popup("c", 0, "t", 36), os::kIdYes);

  ASSERT_EQ(box.Shown().size(), 3u);
  EXPECT_EQ(box.Shown()[1].text, "b");
  EXPECT_EQ(box.Shown()[1].answer, os::kIdCancel);
  EXPECT_EQ(box.Shown()[2].answer, os::kIdYes);
}

TEST(SimMessageBox, TheShellObjectsPopupFillsOmittedArgumentsLikeTheScriptHost) {
  auto sim = InstallSimServices({.languageLibraries = false, .dataDir = std::nullopt});
  auto shell = sim.objects->CreateObject("wscript.shell");
  std::vector<Variant> args{Variant("hello"), Variant::Missing(), Variant::Missing(),
                            Variant::Missing()};
  EXPECT_EQ(CLng(shell->Invoke("popup", InvokeKind::Method, args)), os::kIdOk);
  std::vector<Variant> full{Variant("q"), Variant(std::int32_t{0}), Variant("T"),
                            Variant(std::string("36"))};
  EXPECT_EQ(CLng(shell->Invoke("Popup", InvokeKind::Method, full)), os::kIdYes);

  const auto& shown = sim.messageBox->Shown();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].title, "Windows Script Host");
  EXPECT_EQ(shown[0].type, 0);
  EXPECT_EQ(shown[1].title, "T");
  EXPECT_EQ(shown[1].type, 36);

  std::vector<Variant> none;
  EXPECT_THROW(shell->Invoke("Popup", InvokeKind::Method, none), VbError);
  EXPECT_THROW(shell->Invoke("Run", InvokeKind::Method, args), VbError);
}

}  // namespace
}  // namespace velkor::sim
