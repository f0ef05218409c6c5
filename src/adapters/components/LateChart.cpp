#include "adapters/components/LateChart.h"

#include "adapters/LateEvents.h"
#include "control/components/DataObject.h"
#include "platform/Conversions.h"
#include "platform/VbString.h"

namespace velkor::adapters {

LateTrendChart::LateTrendChart(ObjectPtr target) : Adapted(std::move(target)) {
  OnUserDefinedMenuItem.OnFirstConnect([this] { Subscribe(); });
}

void LateTrendChart::Subscribe() {
  SubscribeOnce(*this, subscription_,
                [](LateTrendChart& chart, std::string_view name, std::span<Variant> args) {
                  if (vb::EqualsText(name, "OnUserDefinedMenuItem"))
                    events::RaiseFromNamed(chart.OnUserDefinedMenuItem, args);
                });
}

void LateTrendChart::SetEnabled(bool enabled) {
  Let("Enabled", enabled);
}

std::string LateTrendChart::Language() const {
  return CStr(Get("Language"));
}

void LateTrendChart::SetLanguage(const std::string& langId) {
  Let("Language", langId);
}

Variant LateTrendChart::AddMenuItem(const std::string& caption) {
  return Call("AddMenuItem", caption);
}

void LateTrendChart::DisableMenuItem(std::int32_t itemId) {
  Call("DisableMenuItem", itemId);
}

void LateTrendChart::EnableMenuItem(std::int32_t itemId) {
  Call("EnableMenuItem", itemId);
}

component::DataSourcesPtr LateTrendChart::DataSources() {
  return GetAs<component::DataSources>("DataSources");
}

component::ChartTracesPtr LateTrendChart::Traces() {
  return GetAs<component::ChartTraces>("Traces");
}

void LateTrendChart::Refresh() {
  Call("Refresh");
}

component::PropertySetPtr LateTrendChart::GetPropertySet() {
  return GetAs<component::PropertySet>("PropertySet");
}

void LateTrendChart::ApplyPropertySet(const component::PropertySetPtr& properties) {
  Call("ApplyPropertySet", properties);
}

void LateTrendChart::ShowFormatDialog(std::int32_t ownerWindow) {
  Call("ShowFormatDialog", ownerWindow);
}

component::DataSourcePtr LateDataSources::Item(const std::string& name) {
  return GetAs<component::DataSource>("Item", name);
}

component::DataSourcePtr LateDataSources::Add(const std::string& name, const Variant& reserved,
                                              bool connect) {
  return CallAs<component::DataSource>("Add", name, reserved, connect);
}

std::string LateDataSource::Name() const {
  return CStr(Get("Name"));
}

std::int32_t LateChartTraces::Count() const {
  return CLng(Get("Count"));
}

component::ChartTracePtr LateChartTraces::Item(std::int32_t position) {
  return GetAs<component::ChartTrace>("Item", position);
}

void LateChartTraces::Reorder(const Variant& order) {
  Call("Reorder", order);
}

component::DataSourcePtr LateChartTrace::DataSource() {
  return GetAs<component::DataSource>("DataSource");
}

component::DataObjectPtr LateChartTrace::DataObject() {
  return GetAs<component::DataObject>("DataObject");
}

std::string LatePropertySet::Title() const {
  return CStr(Get("Title"));
}

void LatePropertySet::SetTitle(const std::string& title) {
  Let("Title", title);
}

bool LatePropertySet::ValueAttributes() const {
  return CBool(Get("ValueAttributes"));
}

void LatePropertySet::SetValueAttributes(bool visible) {
  Let("ValueAttributes", visible);
}

}  // namespace velkor::adapters
