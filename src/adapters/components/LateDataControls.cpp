#include "adapters/components/LateDataControls.h"

#include "adapters/LateEvents.h"
#include "control/components/DataProvider.h"
#include "control/components/QueryObject.h"
#include "control/components/QuerySpecAttributes.h"
#include "platform/Conversions.h"
#include "platform/VbString.h"

namespace velkor::adapters {

namespace {

// A data-change event raised again as the adapter's own.
template <class A>
void ForwardDataChange(A& adapter, EventSubscription& subscription) {
  adapter.OnDataChange.OnFirstConnect([&adapter, &subscription] {
    SubscribeOnce(adapter, subscription,
                  [](A& alive, std::string_view name, std::span<Variant> args) {
                    if (vb::EqualsText(name, "OnDataChange"))
                      events::RaiseFromNamed(alive.OnDataChange, args);
                  });
  });
}

// A result the control does not use, kept as the object it is (or Nothing).
ObjectPtr ObjectOrNothing(const Variant& result) {
  return result.IsObject() ? result.AsObject() : nullptr;
}

}  // namespace

// ---- the worksheet data control ---------------------------------------------

LateExcelDataControl::LateExcelDataControl(ObjectPtr target) : Adapted(std::move(target)) {
  ForwardDataChange(*this, subscription_);
}

void LateExcelDataControl::SetLanguage(const std::string& langId) {
  Let("Language", langId);
}

// The last flag is the data control's own business; its late-bound form
// takes the seven arguments before it.
ObjectPtr LateExcelDataControl::AddQuerySpecs(const std::string& queryRange,
                                              const Variant& firstRowColHasNames,
                                              const Variant& rangeIsRowWise, const Variant& stepped,
                                              const Variant& rangeIsStatic, const Variant& markers,
                                              const Variant& reserved, bool) {
  return ObjectOrNothing(Call("AddQuerySpecs", queryRange, firstRowColHasNames, rangeIsRowWise,
                              stepped, rangeIsStatic, markers, reserved));
}

void LateExcelDataControl::RemoveQuerySpec(const Variant& item) {
  Call("RemoveQuerySpec", item);
}

component::QueryObjectPtr LateExcelDataControl::QueryObject() {
  return GetAs<component::QueryObject>("QueryObject");
}

void LateExcelDataControl::BeginGroupedChange() {
  Call("BeginGroupedChange");
}

void LateExcelDataControl::EndGroupedChange() {
  Call("EndGroupedChange");
}

void LateExcelDataControl::SetFirstSwitch(bool on) {
  Let("FirstSwitch", on);
}

void LateExcelDataControl::SetSecondSwitch(bool on) {
  Let("SecondSwitch", on);
}

ObjectPtr LateExcelDataControl::QueryData(const Variant& mode, bool option) {
  return ObjectOrNothing(Call("QueryData", mode, option));
}

void LateExcelDataControl::RereadSpec(const component::SpecAttributesPtr& attributes) {
  Call("RereadSpec", attributes);
}

component::DataProviderPtr LateExcelDataControl::DataProvider() {
  return GetAs<component::DataProvider>("DataProvider");
}

// ---- the archive data control -----------------------------------------------

LateArchiveDataControl::LateArchiveDataControl(ObjectPtr target) : Adapted(std::move(target)) {
  ForwardDataChange(*this, subscription_);
}

void LateArchiveDataControl::SetLanguage(const std::string& langId) {
  Let("Language", langId);
}

ObjectPtr LateArchiveDataControl::AddQuerySpec(const std::string& server, const std::string& tag,
                                               const std::string& startTime,
                                               const std::string& endTime, bool markers,
                                               const Variant& reserved1, const Variant& reserved2,
                                               std::int32_t options) {
  return ObjectOrNothing(Call("AddQuerySpec", server, tag, startTime, endTime, markers, reserved1,
                              reserved2, options));
}

void LateArchiveDataControl::RemoveQuerySpec(const std::string& server, const std::string& tag) {
  Call("RemoveQuerySpec", server, tag);
}

component::QueryObjectPtr LateArchiveDataControl::QueryObject() {
  return GetAs<component::QueryObject>("QueryObject");
}

void LateArchiveDataControl::BeginGroupedChange() {
  Call("BeginGroupedChange");
}

void LateArchiveDataControl::EndGroupedChange() {
  Call("EndGroupedChange");
}

void LateArchiveDataControl::Revert() {
  Call("Revert");
}

ObjectPtr LateArchiveDataControl::QueryData(const Variant& mode) {
  return ObjectOrNothing(Call("QueryData", mode));
}

void LateArchiveDataControl::SetTimeRange(bool temporary, const Variant& startTime,
                                          const Variant& endTime, const Variant& reserved) {
  Call("SetTimeRange", temporary, startTime, endTime, reserved);
}

// The bounds come back through the by-reference second and third arguments.
void LateArchiveDataControl::GetTimeRange(bool temporary, Variant& startTime, Variant& endTime,
                                          const Variant& reserved) {
  Variant args[] = {Variant(temporary), startTime, endTime, reserved};
  Target()->Invoke("GetTimeRange", InvokeKind::Method, args);
  startTime = args[1];
  endTime = args[2];
}

bool LateArchiveDataControl::EnableUpdates() const {
  return CBool(Get("EnableUpdates"));
}

void LateArchiveDataControl::SetEnableUpdates(bool enable) {
  Let("EnableUpdates", enable);
}

std::int32_t LateArchiveDataControl::UpdateInterval() const {
  return CLng(Get("UpdateInterval"));
}

void LateArchiveDataControl::SetUpdateInterval(std::int32_t interval) {
  Let("UpdateInterval", interval);
}

bool LateArchiveDataControl::EnableMarkers() const {
  return CBool(Get("EnableMarkers"));
}

void LateArchiveDataControl::SetEnableMarkers(bool enable) {
  Let("EnableMarkers", enable);
}

std::string LateArchiveDataControl::CurrentStartTime() const {
  return CStr(Get("CurrentStartTime"));
}

std::string LateArchiveDataControl::CurrentEndTime() const {
  return CStr(Get("CurrentEndTime"));
}

bool LateArchiveDataControl::Status() const {
  return CBool(Get("Status"));
}

}  // namespace velkor::adapters
