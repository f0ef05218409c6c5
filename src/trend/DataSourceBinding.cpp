#include "trend/DataSourceBinding.h"

#include <string>

#include "control/ExcelTrendWizard.h"
#include "control/components/DataSources.h"
#include "control/components/QueryObject.h"
#include "control/components/QuerySpecs.h"
#include "support/ErrorHandling.h"

namespace velkor {

namespace {

template <class DataControl>
std::int32_t SpecCount(DataControl& dc) {
  return Deref(Deref(dc.QueryObject()).QuerySpecs()).Count();
}

// An already connected data control is looked up first: the chart may have
// kept it from an earlier insertion. Both the look-up and the add ignore
// every error on that path.
void ConnectSource(ExcelTrendWizard& c, const std::string& name, bool& connected, Statements& run) {
  if (connected) {
    component::DataSourcePtr source;
    TryStep([&] { source = c.m_objTrend->DataSources()->Item(name); });
    if (!source) TryStep([&] { c.m_objTrend->DataSources()->Add(name, Variant::Missing(), true); });
  } else {
    run([&] {
      Deref(Deref(c.m_objTrend.get()).DataSources()).Add(name, Variant::Missing(), true);
    });
  }
  connected = true;
}

template <class DataControl>
void BindSource(ExcelTrendWizard& c, DataControl& dc, const std::string& name, bool removed,
                bool& connected, Statements& run) {
  run([&] { dc.SetLanguage(c.LanguageID); });
  std::int32_t count = 0;
  run([&] { count = SpecCount(dc); });
  if (count >= 1 && !removed) ConnectSource(c, name, connected, run);
}

}  // namespace

void BindDataSources(ExcelTrendWizard& c, Statements& run) {
  if (auto dc = c.m_objZaltArcDC.get())
    BindSource(c, *dc, c.ZaltArcDCName, c.bZaltArcDCRemoved, c.ZaltArcDCConnected, run);
  if (auto dc = c.m_objExcelDC.get())
    BindSource(c, *dc, c.ExcelDcName, c.bExcelDCRemoved, c.ExcelDCConnected, run);
}

void RefreshWhenNeeded(ExcelTrendWizard& c, bool newChart, Statements& run) {
  if (!c.m_objTrend || newChart) return;
  bool refresh = c.StartGroupedChange;
  if (!refresh) {
    run([&] {
      if (auto dc = c.m_objZaltArcDC.get(); dc && SpecCount(*dc) >= 1 && dc->Status())
        refresh = true;
    });
    run([&] {
      if (auto dc = c.m_objExcelDC.get(); dc && SpecCount(*dc) > 0) refresh = true;
    });
  }
  if (refresh) run([&] { c.m_objTrend->Refresh(); });
}

void EndGroupedChanges(ExcelTrendWizard& c, Statements& run) {
  if (auto dc = c.m_objZaltArcDC.get()) run([&] { dc->EndGroupedChange(); });
  if (auto dc = c.m_objExcelDC.get()) run([&] { dc->EndGroupedChange(); });
  c.StartGroupedChange = false;
}

}  // namespace velkor
