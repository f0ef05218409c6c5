#include "standins/components/library/QuerySpecPersistence.h"

#include <string>

#include "standins/components/library/BagFields.h"

namespace velkor::sim {

namespace {

std::string SpecKey(std::size_t spec, const char* field) {
  return "Spec" + std::to_string(spec + 1) + field;
}

std::string AttributeKey(std::size_t spec, const char* field, std::size_t attribute) {
  return SpecKey(spec, field) + std::to_string(attribute + 1);
}

// Null is never stored as a value, so every attribute is written as it is,
// an empty text or a false flag included.
const Variant kAlwaysWritten = Variant::Null();

void WriteAttributes(host::PropertyBag& bag, std::size_t i, const SimSpecAttributes& attributes) {
  const auto& entries = attributes.Entries();
  bag.WriteProperty(SpecKey(i, "AttributeCount"),
                    Variant(static_cast<std::int32_t>(entries.size())), Variant(std::int32_t{0}));
  for (std::size_t j = 0; j < entries.size(); ++j) {
    bag.WriteProperty(AttributeKey(i, "Key", j), Variant(entries[j].first), kAlwaysWritten);
    bag.WriteProperty(AttributeKey(i, "Value", j), entries[j].second->Value(), kAlwaysWritten);
  }
}

// Every entry of a list is written, so the first one missing ends a list
// whose count claims more than the file holds.
void ReadAttributes(host::PropertyBag& bag, std::size_t i, SimSpecAttributes& attributes) {
  for (std::size_t j = 0, n = ReadCountField(bag, SpecKey(i, "AttributeCount")); j < n; ++j) {
    if (!HasField(bag, AttributeKey(i, "Key", j))) break;
    std::int32_t key = ReadLongField(bag, AttributeKey(i, "Key", j), 0);
    if (key == 0) continue;
    attributes.Set(key, bag.ReadProperty(AttributeKey(i, "Value", j), Variant()));
  }
}

}  // namespace

void WriteSpecs(host::PropertyBag& bag, const std::vector<SimQuerySpecPtr>& specs) {
  bag.WriteProperty("SpecCount", Variant(static_cast<std::int32_t>(specs.size())),
                    Variant(std::int32_t{0}));
  for (std::size_t i = 0; i < specs.size(); ++i) {
    bag.WriteProperty(SpecKey(i, "Name"), Variant(specs[i]->Name()), kAlwaysWritten);
    WriteAttributes(bag, i, specs[i]->Attrs());
  }
}

std::vector<SimQuerySpecPtr> ReadSpecs(host::PropertyBag& bag) {
  std::vector<SimQuerySpecPtr> specs;
  for (std::size_t i = 0, n = ReadCountField(bag, "SpecCount"); i < n; ++i) {
    if (!HasField(bag, SpecKey(i, "Name"))) break;
    auto name = ReadTextField(bag, SpecKey(i, "Name"), "");
    if (name.empty()) continue;
    auto spec = std::make_shared<SimQuerySpec>(name);
    ReadAttributes(bag, i, spec->Attrs());
    specs.push_back(std::move(spec));
  }
  return specs;
}

}  // namespace velkor::sim
