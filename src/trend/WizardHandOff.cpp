#include "trend/WizardHandOff.h"

#include "control/ExcelTrendWizard.h"
#include "model/Globals.h"
#include "platform/ErrorNumbers.h"
#include "platform/host/Application.h"
#include "support/ErrorHandling.h"
#include "support/Language.h"
#include "support/MsgBox.h"

namespace velkor {

namespace {

constexpr std::int32_t kLeaveCellText = 50039;    // "Please deactivate the current cell ..."
constexpr std::int32_t kWizardTitleText = 50021;  // "Insert Trend Wizard"
constexpr std::int32_t kExclamationOk = 48;

// Asks the user to leave the cell being edited. Answers false when even the
// message could not be shown, so that the refusal gets reported instead.
bool AskToLeaveCell(const ExcelTrendWizard& c) {
  return TryStep([&] {
    LoadLanguage(c.LanguageID);
    ShellMsgBox(GetString(kLeaveCellText), GetString(kWizardTitleText), kExclamationOk);
  });
}

}  // namespace

void ShowWizard(ExcelTrendWizard& c, std::int32_t& Mode) {
  c.m_nWizardMode = Mode;
  RunReported(
      "ETW_ShowWizard",
      [&] {
        Deref(gAppExcel).Run("ShowWizard", {Variant(c.WizardControlName), Variant(Mode)});
      },
      [&](const VbError& error) {
        return error.number() == err::kAppDefined && AskToLeaveCell(c);
      });
}

}  // namespace velkor
