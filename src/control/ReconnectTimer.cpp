// The reconnection timer. A saved workbook holds only the names of the chart
// and the data controls; after loading, each tick looks them up again until
// the chart is bound with its menu items and a data control is bound.
#include "control/ChartMenu.h"
#include "control/ExcelTrendWizard.h"
#include "control/OwnObjects.h"
#include "control/Statements.h"
#include "model/Globals.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"
#include "support/ErrorReport.h"

namespace velkor {

namespace {

// The lookup does not check what it found; a wrong object fails here,
// at its first use.
template <class T>
std::shared_ptr<T> As(const ObjectPtr& object) {
  if (!object) return nullptr;
  auto typed = ObjectCast<T>(object);
  if (!typed) Raise(err::kTypeMismatch);
  return typed;
}

bool BindChart(ExcelTrendWizard& c, Statements& run) {
  run([&] { c.m_objTrend.Assign(As<component::TrendChart>(GetOwnObject(c, c.TrendName))); });
  run([&] {
    if (c.LanguageID.empty() || c.LanguageID == Deref(c.m_objTrend.get()).Language()) return;
    c.m_objTrend->SetLanguage(c.LanguageID);
    c.m_objTrend->Refresh();
  });
  return AddTrendMenuItems(c, run);
}

}  // namespace

void ExcelTrendWizard::Timer1_Timer() {
  bool bMenusAdded = false;
  bool bSourcesBound = false;
  // Until the tick starts binding the chart or the archive data control a
  // failure ends it; from then on a failing statement is skipped.
  SkippingStatements run;
  try {
    if (TrendName.empty() || !gAppExcel) return;
    if (!m_objTrend) {
      run.StartSkipping();
      bMenusAdded = BindChart(*this, run);
    }
    if (m_objExcelDC) {
      bSourcesBound = true;
    } else if (!ExcelDcName.empty()) {
      run([&] {
        m_objExcelDC.Assign(As<component::ExcelDataControl>(GetOwnObject(*this, ExcelDcName)));
      });
      run([&] { Deref(m_objExcelDC.get()).SetFirstSwitch(true); });
      run([&] { Deref(m_objExcelDC.get()).SetSecondSwitch(true); });
      bSourcesBound = true;
    }
    if (m_objZaltArcDC) {
      bSourcesBound = true;
    } else if (!ZaltArcDCName.empty()) {
      run.StartSkipping();
      run([&] {
        m_objZaltArcDC.Assign(
            As<component::ArchiveDataControl>(GetOwnObject(*this, ZaltArcDCName)));
      });
      bSourcesBound = true;
    }
    if (m_objTrend) UpdateTimeRangeItem(*this, run);
    if (bSourcesBound && bMenusAdded) run([&] { Deref(Timer1).SetEnabled(false); });
  } catch (...) {
    const VbError error = CurrentError();
    if (Timer1) Timer1->SetEnabled(false);
    ReportError(" Timer1_Timer", 0, error);
  }
}

Variant ExcelTrendWizard::Timer_Connect() {
  if (Timer1 && Timer1->Enabled()) Timer1_Timer();
  return Variant(!Timer1 || !Timer1->Enabled());
}

}  // namespace velkor
