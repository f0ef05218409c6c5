#include "control/ChartMenu.h"

#include <array>
#include <string>

#include "control/ExcelTrendWizard.h"
#include "control/components/ChartTrace.h"
#include "control/components/ChartTraces.h"
#include "control/components/DataSource.h"
#include "platform/Conversions.h"
#include "support/Language.h"

namespace velkor {

namespace {

struct MenuItem {
  std::int32_t textId;
  std::int32_t ExcelTrendWizard::*id;
};
constexpr std::array<MenuItem, 7> kMenuItems{{
    {50017, &ExcelTrendWizard::m_lMenuFormat},
    {50018, &ExcelTrendWizard::m_lMenuDefineTrend},
    {50019, &ExcelTrendWizard::m_lMenuTimeRange},
    {50020, &ExcelTrendWizard::m_lMenuDeleteTrend},
    {50110, &ExcelTrendWizard::m_lMenuExportData},
    {50111, &ExcelTrendWizard::m_lMenuMoveResize},
    {50112, &ExcelTrendWizard::m_lMenuCopyPaste},
}};
constexpr std::size_t kRequiredItems = 6;

}  // namespace

bool AddTrendMenuItems(ExcelTrendWizard& c, Statements& run) {
  run([&] { LoadLanguage(c.LanguageID); });
  for (const auto& item : kMenuItems) {
    run([&] { c.*item.id = CLng(Deref(c.m_objTrend.get()).AddMenuItem(GetString(item.textId))); });
  }
  for (std::size_t i = 0; i < kRequiredItems; ++i) {
    if (c.*kMenuItems[i].id == 0) return false;
  }
  return true;
}

void UpdateTimeRangeItem(ExcelTrendWizard& c, Statements& run) {
  run([&] { Deref(c.m_objTrend.get()).DisableMenuItem(c.m_lMenuTimeRange); });
  std::int32_t count = 0;
  run([&] { count = Deref(c.m_objTrend.get()).Traces()->Count(); });
  bool found = false;
  for (std::int32_t t = 1; t <= count && !found; ++t) {
    run([&] {
      const std::string source = c.m_objTrend->Traces()->Item(t)->DataSource()->Name();
      if (source.find("ZaltArchiveData") == std::string::npos) return;
      c.m_objTrend->EnableMenuItem(c.m_lMenuTimeRange);
      found = true;
    });
  }
}

}  // namespace velkor
