// The expect keys that look inside the stand-in components: a chart's
// traces, sources, title, switch, language, menu and format dialog, a data
// control's query specifications and series values, and the archive data
// control's time range.
#include <cmath>
#include <cstdlib>

#include "control/components/ArchiveDataControl.h"
#include "control/components/ChartTrace.h"
#include "control/components/ChartTraces.h"
#include "control/components/DataObject.h"
#include "control/components/DataSource.h"
#include "control/components/DataSources.h"
#include "control/components/ExcelDataControl.h"
#include "control/components/PropertySet.h"
#include "control/components/QueryObject.h"
#include "control/components/QuerySpec.h"
#include "control/components/QuerySpecAttribute.h"
#include "control/components/QuerySpecAttributes.h"
#include "control/components/QuerySpecs.h"
#include "control/components/TrendChart.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "standins/components/ChartView.h"
#include "standins/components/DataFeed.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/JsonFields.h"
#include "tools/scenario/ScenarioExpect.h"
#include "tools/scenario/ScenarioSession.h"

namespace velkor::sim::scenario {

namespace {

template <class Interface>
std::shared_ptr<Interface> ObjectAs(ScenarioSession& s, const std::string& name, const char* what) {
  auto object = std::dynamic_pointer_cast<Interface>(s.Frame(name)->Object());
  if (!object) Raise(err::kTypeMismatch, "scenario", "'" + name + "' is no " + what);
  return object;
}

// --- chart ---

Json TraceNames(component::TrendChart& chart) {
  Json names = Json::array();
  auto traces = chart.Traces();
  for (std::int32_t i = 1; i <= traces->Count(); ++i)
    names.push_back(traces->Item(i)->DataObject()->Name());
  return names;
}

// The data sources' collection publishes Count and Item(position) only
// late-bound.
Json SourceNames(component::TrendChart& chart) {
  Json names = Json::array();
  ObjectPtr sources = chart.DataSources();
  std::vector<Variant> none;
  const std::int32_t count = CLng(sources->Invoke("Count", InvokeKind::PropertyGet, none));
  for (std::int32_t i = 1; i <= count; ++i) {
    std::vector<Variant> index{Variant(i)};
    auto source =
        sources->Invoke("Item", InvokeKind::Method, index).ObjectAs<component::DataSource>();
    names.push_back(source ? Json(source->Name()) : Json(nullptr));
  }
  return names;
}

Json UserMenu(const ChartView& view) {
  Json items = Json::array();
  for (const auto& item : view.MenuItems())
    if (item.userDefined) items.push_back({{"caption", item.caption}, {"enabled", item.enabled}});
  return items;
}

// Only the keys the scenario gives are looked at, so that a check of the
// title does not depend on a part of the chart that is not built yet.
Json ChartState(ScenarioSession& s, const std::string& name, const Json& wanted) {
  auto chart = ObjectAs<component::TrendChart>(s, name, "trend chart");
  auto view = std::dynamic_pointer_cast<ChartView>(chart);
  Json actual = Json::object();
  if (wanted.contains("traces")) actual["traces"] = TraceNames(*chart);
  if (wanted.contains("sources")) actual["sources"] = SourceNames(*chart);
  if (wanted.contains("title")) actual["title"] = chart->GetPropertySet()->Title();
  if (wanted.contains("valueAttributes"))
    actual["valueAttributes"] = chart->GetPropertySet()->ValueAttributes();
  if (wanted.contains("language")) actual["language"] = chart->Language();
  if (view && wanted.contains("menu")) actual["menu"] = UserMenu(*view);
  if (view && wanted.contains("formatDialogShown"))
    actual["formatDialogShown"] = view->FormatDialogShown();
  return actual;
}

void CheckChart(const Json& expected, const std::string& path) {
  CheckEachMember(expected, path, "object");
  static const char* const kKeys[] = {
      "traces", "sources", "title", "valueAttributes", "language", "menu", "formatDialogShown"};
  for (const auto& [name, wanted] : expected.items())
    for (const auto& [key, value] : wanted.items())
      if (std::find(std::begin(kKeys), std::end(kKeys), key) == std::end(kKeys))
        throw FileFormatError(json::Child(json::Child(path, name), key), "unknown chart key");
}

void RunChart(ScenarioSession& s, const Json& expected, StepOutcome& out) {
  for (const auto& [name, wanted] : expected.items())
    ExpectJson(out, "chart " + name, wanted, ChartState(s, name, wanted));
}

// --- query specifications ("specs") ---

component::QueryObjectPtr QueryObjectOf(ScenarioSession& s, const std::string& name) {
  ObjectPtr object = s.Frame(name)->Object();
  if (auto archive = std::dynamic_pointer_cast<component::ArchiveDataControl>(object))
    return archive->QueryObject();
  if (auto sheet = std::dynamic_pointer_cast<component::ExcelDataControl>(object))
    return sheet->QueryObject();
  Raise(err::kTypeMismatch, "scenario", "'" + name + "' is no data control");
}

// A specification as the scenario wrote it: its name alone, or its name
// with the attributes the scenario asks about.
Json SpecJson(component::QuerySpec& spec, const Json& wanted) {
  if (!wanted.is_object()) return spec.Name();
  Json attributes = Json::object();
  if (wanted.contains("attributes"))
    for (const auto& [key, value] : wanted.at("attributes").items())
      attributes[key] =
          EncodeScenarioValue(spec.Attributes()->Item(std::atoi(key.c_str()))->Value());
  return {{"name", spec.Name()}, {"attributes", attributes}};
}

void CheckSpecs(const Json& expected, const std::string& path) {
  CheckEachMember(expected, path, "array");
  for (const auto& [name, specs] : expected.items())
    for (std::size_t i = 0; i < specs.size(); ++i) {
      const std::string at = json::Child(json::Child(path, name), i);
      if (specs[i].is_string()) continue;
      json::String(json::Required(json::Object(specs[i], at), at, "name"), json::Child(at, "name"));
      if (const Json* attributes = json::Optional(specs[i], "attributes"))
        for (const auto& [key, value] :
             json::Object(*attributes, json::Child(at, "attributes")).items()) {
          const std::string keyAt = json::Child(json::Child(at, "attributes"), key);
          if (key.empty() || key.find_first_not_of("0123456789") != std::string::npos)
            throw FileFormatError(keyAt, "expected a numeric attribute key");
          DecodeScenarioValue(value, keyAt, {});
        }
    }
}

void RunSpecs(ScenarioSession& s, const Json& expected, StepOutcome& out) {
  for (const auto& [name, wanted] : expected.items()) {
    Json actual = Json::array();
    const auto items = QueryObjectOf(s, name)->QuerySpecs()->Items();
    for (std::size_t i = 0; i < items.size(); ++i)
      actual.push_back(SpecJson(*items[i], i < wanted.size() ? wanted[i] : Json()));
    ExpectJson(out, "specs " + name, wanted, actual);
  }
}

// --- series ---

// The values of the series the scenario names, in the data control's order,
// a gap as null; a series the control does not hold reads as null.
Json SeriesValues(ScenarioSession& s, const std::string& name, const Json& wanted) {
  auto feed = std::dynamic_pointer_cast<DataFeed>(s.Frame(name)->Object());
  if (!feed) Raise(err::kTypeMismatch, "scenario", "'" + name + "' is no data control");
  Json actual = Json::object();
  for (const auto& [series, values] : wanted.items()) actual[series] = nullptr;
  for (const auto& series : feed->Series()) {
    if (!wanted.contains(series.name)) continue;
    Json values = Json::array();
    for (const auto& point : series.points)
      values.push_back(std::isfinite(point.value) ? Json(point.value) : Json(nullptr));
    actual[series.name] = std::move(values);
  }
  return actual;
}

void CheckSeries(const Json& expected, const std::string& path) {
  CheckEachMember(expected, path, "object");
  for (const auto& [name, series] : expected.items())
    CheckEachMember(series, json::Child(path, name), "array");
}

void RunSeries(ScenarioSession& s, const Json& expected, StepOutcome& out) {
  for (const auto& [name, wanted] : expected.items())
    ExpectJson(out, "series " + name, wanted, SeriesValues(s, name, wanted));
}

// --- timeRange ---

void RunTimeRange(ScenarioSession& s, const Json& expected, StepOutcome& out) {
  for (const auto& [name, wanted] : expected.items()) {
    auto control = ObjectAs<component::ArchiveDataControl>(s, name, "archive data control");
    Variant start, end;
    control->GetTimeRange(true, start, end, Variant::Missing());
    ExpectJson(out, "timeRange " + name, wanted, Json{{"start", CStr(start)}, {"end", CStr(end)}});
  }
}

const ExpectKey kComponentExpectKeys[] = {
    {"chart", CheckChart, RunChart},
    {"specs", CheckSpecs, RunSpecs},
    {"series", CheckSeries, RunSeries},
    {"timeRange", [](const Json& j, const std::string& p) { CheckEachMember(j, p, "object"); },
     RunTimeRange},
};

}  // namespace

std::span<const ExpectKey> ComponentExpectKeys() {
  return kComponentExpectKeys;
}

}  // namespace velkor::sim::scenario
