#include "standins/components/library/QuerySpecStore.h"

#include <algorithm>

#include "platform/VbString.h"

namespace velkor::sim {

SimQuerySpecPtr SpecStore::Find(std::string_view name) const {
  auto it = std::find_if(working_.begin(), working_.end(),
                         [name](const auto& spec) { return vb::EqualsText(spec->Name(), name); });
  return it == working_.end() ? nullptr : *it;
}

SimQuerySpecPtr SpecStore::At(std::size_t offset) const {
  return offset < working_.size() ? working_[offset] : nullptr;
}

SimQuerySpecPtr SpecStore::Owner(const component::SpecAttributesPtr& attributes) const {
  auto it = std::find_if(working_.begin(), working_.end(),
                         [&](const auto& spec) { return spec->Owns(attributes); });
  return it == working_.end() ? nullptr : *it;
}

void SpecStore::Add(SimQuerySpecPtr spec) {
  working_.push_back(std::move(spec));
  Changed();
}

void SpecStore::Remove(const SimQuerySpecPtr& spec) {
  std::erase(working_, spec);
  Changed();
}

void SpecStore::EndGroup() {
  grouping_ = false;
  if (pending_) Apply();
}

void SpecStore::Revert() {
  working_ = applied_;
  grouping_ = false;
  pending_ = false;
  if (onApplied) onApplied();
}

void SpecStore::Load(std::vector<SimQuerySpecPtr> specs) {
  working_ = specs;
  applied_ = std::move(specs);
  grouping_ = false;
  pending_ = false;
}

void SpecStore::Changed() {
  if (grouping_)
    pending_ = true;
  else
    Apply();
}

void SpecStore::Apply() {
  pending_ = false;
  applied_ = working_;
  if (onApplied) onApplied();
}

}  // namespace velkor::sim
