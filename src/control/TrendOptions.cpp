#include "control/TrendOptions.h"

#include <cstdint>
#include <string_view>

#include "control/ExcelTrendWizard.h"
#include "control/components/PropertySet.h"
#include "support/ErrorHandling.h"
#include "support/Language.h"
#include "support/Settings.h"

namespace velkor {

namespace {

using component::PropertySet;

constexpr std::string_view kTrendAreaSection = "Trend Area";
constexpr std::int32_t kDefaultTitleText = 50152;  // "Plotvane"

using PropertyEdit = std::function<void(PropertySet&)>;

void RunStatement(const StatementRunner& run, const std::function<void()>& statement) {
  if (run)
    run(statement);
  else
    statement();
}

// One round trip of the chart's property set: the chart hands out a working
// copy, and only applying that copy changes the chart.
void EditChartProperties(component::TrendChart& chart, const PropertyEdit& edit,
                         const StatementRunner& run = {}) {
  component::PropertySetPtr properties;
  RunStatement(run, [&] { properties = chart.GetPropertySet(); });
  RunStatement(run, [&] { edit(Deref(properties)); });
  RunStatement(run, [&] { chart.ApplyPropertySet(properties); });
}

// The text of `key` in the trend settings; "" when it is not set anywhere.
std::string TrendAreaSetting(std::string_view key) {
  std::string value;
  ReadSetting(kTrendAreaSection, key, "", value);
  return value;
}

// Applies one pending value and clears its flag, chart or not.
void ApplyPending(ExcelTrendWizard& c, bool& pending, const PropertyEdit& edit,
                  const StatementRunner& run) {
  if (!pending) return;
  if (c.m_objTrend) EditChartProperties(*c.m_objTrend.get(), edit, run);
  pending = false;
}

}  // namespace

void let_TrendTitle(ExcelTrendWizard& c, const std::string& vNewValue) {
  RunReported("TrendTitle", [&] {
    if (!c.m_objTrend) return;
    EditChartProperties(*c.m_objTrend.get(), [&](PropertySet& p) { p.SetTitle(vNewValue); });
  });
}

std::string TrendTitle(ExcelTrendWizard& c) {
  if (c.m_objTrend) return Deref(c.m_objTrend->GetPropertySet()).Title();
  std::string title = TrendAreaSetting("TrendTitle");
  if (!title.empty()) return title;
  LoadLanguage(c.LanguageID);
  return GetString(kDefaultTitleText);
}

void let_ValueAttributes(ExcelTrendWizard& c, bool vData) {
  RunReported("ValueAttributes", [&] {
    if (!c.m_objTrend) return;
    EditChartProperties(*c.m_objTrend.get(), [&](PropertySet& p) { p.SetValueAttributes(vData); });
  });
}

bool ValueAttributes(ExcelTrendWizard& c) {
  bool visible = true;
  RunReported("ValueAttributes", [&] {
    if (c.m_objTrend) {
      visible = Deref(c.m_objTrend->GetPropertySet()).ValueAttributes();
      return;
    }
    std::string setting = TrendAreaSetting("ValueAttributesVisible");
    if (!setting.empty()) visible = setting != "0";
  });
  return visible;
}

void ApplyPendingOptions(ExcelTrendWizard& c, const StatementRunner& run) {
  ApplyPending(
      c, c.m_bTitlePending, [&](PropertySet& p) { p.SetTitle(c.m_sPendingTitle); }, run);
  ApplyPending(
      c, c.m_bValueAttributesPending,
      [&](PropertySet& p) { p.SetValueAttributes(c.m_bValueAttributes); }, run);
}

}  // namespace velkor
