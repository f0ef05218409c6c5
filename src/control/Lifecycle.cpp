// The container's calls on the control: creation, resize, show and teardown.
#include "control/ExcelTrendWizard.h"
#include "control/HostBinding.h"
#include "control/TrendOptions.h"
#include "model/Globals.h"
#include "platform/host/Application.h"
#include "platform/host/Workbook.h"
#include "support/ErrorHandling.h"
#include "support/HelpRegistration.h"
#include "support/Language.h"

namespace velkor {

namespace {

constexpr std::int32_t kDefaultTitleId = 50152;

void EnableTimer(host::ControlTimer* timer) {
  if (timer && !timer->Enabled()) timer->SetEnabled(true);
}

}  // namespace

void ExcelTrendWizard::Initialize() {
  RunReported("UserControl_Initialize", [&] {
    WizardControlName = TrendName = ExcelDcName = ZaltArcDCName = LanguageID = "";
    ExcelDCConnected = ZaltArcDCConnected = bExcelDCRemoved = bZaltArcDCRemoved = false;
    bIsExport = false;
    strStartTime = strEndTime = Variant(std::string());
    strtxtStartTime = strtxtEndTime = "";
    tglStartTime = tglEndTime = false;
    bFirstSetTime = true;
    m_objTrend.Clear();
    m_objExcelDC.Clear();
    m_objZaltArcDC.Clear();
    LoadLanguage(LanguageID);
    let_TrendTitle(*this, GetString(kDefaultTitleId));
    TraceInfo = "";  // the field itself: a new control has nothing to save yet
    TrendPosition = "$A$1";
    EnableTimer(Timer1.get());
    m_sPendingTitle = "";
    m_bTitlePending = StartGroupedChange = m_bValueAttributesPending = false;
    m_bValueAttributes = true;
    LoadLanguage(LanguageID);
    RegisterHelpFile();
  });
}

void ExcelTrendWizard::Resize() {
  RunReported("UserControl_Resize", [&] {
    WizardControlName = Deref(site_).ExtenderName();
    Show();
    ObjectPtr parent = site_->Parent();
    if (parent && parent->TypeName() == "Workbook") {
      gAppExcel = ApplicationOf(parent);
      hostHold_.Take();
      gAppExcelEvents.Assign(ApplicationOf(parent));
      EnableTimer(Timer1.get());
      m_objWorkbook = ObjectCast<host::Workbook>(parent);
    }
  });
}

void ExcelTrendWizard::Show() {
  gbUserMode = Deref(site_).AmbientUserMode();
}

void ExcelTrendWizard::Terminate() {
  hostHold_.Release();
  if (Timer1) Timer1->SetEnabled(false);
  if (!m_bWorkbookClosing) return;
  m_objTrend.Clear();
  m_objExcelDC.Clear();
  m_objZaltArcDC.Clear();
  if (!HostHold::AnyHeld()) gAppExcel = nullptr;
  gAppExcelEvents.Clear();
  m_objWorkbook = nullptr;
}

}  // namespace velkor
