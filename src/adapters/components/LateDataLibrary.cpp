#include "adapters/components/LateDataLibrary.h"

#include <algorithm>

#include "platform/Conversions.h"

namespace velkor::adapters {

component::QuerySpecsPtr LateQueryObject::QuerySpecs() {
  return GetAs<component::QuerySpecs>("QuerySpecs");
}

// The provider is an object: assigned by reference, as Set would.
void LateQueryObject::SetDataProvider(const component::DataProviderPtr& provider) {
  Variant value(provider);
  Target()->Invoke("DataProvider", InvokeKind::PropertySet, std::span<Variant>(&value, 1));
}

std::int32_t LateQuerySpecs::Count() const {
  return CLng(Get("Count"));
}

component::QuerySpecPtr LateQuerySpecs::Item(const Variant& positionOrName) {
  return GetAs<component::QuerySpec>("Item", positionOrName);
}

void LateQuerySpecs::Remove(const std::string& name) {
  Call("Remove", name);
}

// The control reads every specification it is handed without a check for
// Nothing, so a foreign collection that yields one is refused here, as the
// first use of that item would be (91).
std::vector<component::QuerySpecPtr> LateQuerySpecs::Items() const {
  auto specs = EnumerateAs<component::QuerySpec>();
  if (std::find(specs.begin(), specs.end(), nullptr) != specs.end()) RaiseObjectNotSet();
  return specs;
}

std::string LateQuerySpec::Name() const {
  return CStr(Get("Name"));
}

void LateQuerySpec::SetName(const std::string& name) {
  Let("Name", name);
}

component::SpecAttributesPtr LateQuerySpec::Attributes() {
  return GetAs<component::SpecAttributes>("Attributes");
}

component::SpecAttributePtr LateSpecAttributes::Item(std::int32_t key) {
  return GetAs<component::SpecAttribute>("Item", key);
}

component::SpecAttributePtr LateSpecAttributes::Add(std::int32_t key, const std::string& value) {
  return CallAs<component::SpecAttribute>("Add", key, value);
}

Variant LateSpecAttribute::Value() const {
  return Get("Value");
}

std::string LateDataObject::Name() const {
  return CStr(Get("Name"));
}

void LateTimeObject::SetText(const std::string& timeText) {
  Call("SetText", timeText);
}

double LateTimeObject::Value() const {
  return CDbl(Get("Value"));
}

}  // namespace velkor::adapters
