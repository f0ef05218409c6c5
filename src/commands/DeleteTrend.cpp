#include "commands/DeleteTrend.h"

#include "control/ExcelTrendWizard.h"
#include "control/OwnObjects.h"
#include "support/ErrorHandling.h"
#include "support/Language.h"

namespace velkor {

namespace {

constexpr std::int32_t kDeleteQuestionId = 50001;
constexpr std::int32_t kDeleteTitleId = 50114;
constexpr std::int32_t kYesNoQuestion = 36;
constexpr std::int32_t kNo = 7;

// Only the object the control holds is deleted, never another trend's object
// of the same name.
template <class Member>
void DeleteHeld(ExcelTrendWizard& c, Member& member, const std::string& name) {
  if (!member) return;
  DeleteOwnObject(c, name, member.get().get());
  member.Clear();
}

}  // namespace

void DeleteTrend(ExcelTrendWizard& c) {
  // The control's own OLE object goes last, with this call still running:
  // the reference keeps the control alive until it returns.
  const auto self = c.shared_from_this();
  RunReported("ETW_DeleteTrend", [&] {
    LoadLanguage(c.LanguageID);
    if (c.ShellMsgBox(GetString(kDeleteQuestionId), GetString(kDeleteTitleId), kYesNoQuestion) ==
        kNo)
      return;
    DeleteHeld(c, c.m_objExcelDC, c.ExcelDcName);
    DeleteHeld(c, c.m_objZaltArcDC, c.ZaltArcDCName);
    DeleteHeld(c, c.m_objTrend, c.TrendName);
    if (c.Timer1) c.Timer1->SetEnabled(false);
    DeleteOwnObject(c, c.WizardControlName, self.get());
  });
}

}  // namespace velkor
