#include "standins/components/library/QuerySpecStore.h"

#include <algorithm>

#include "platform/VbString.h"

namespace velkor::sim {

const std::unordered_map<std::string, std::vector<SimQuerySpecPtr>>& SpecStore::Index() const {
  if (indexed_ && indexedRenames_ == SimQuerySpec::Renames()) return index_;
  index_.clear();
  for (const auto& spec : working_) index_[vb::FoldKey(spec->Name())].push_back(spec);
  indexed_ = true;
  indexedRenames_ = SimQuerySpec::Renames();
  return index_;
}

SimQuerySpecPtr SpecStore::Find(std::string_view name) const {
  const auto& index = Index();
  auto it = index.find(vb::FoldKey(name));
  return it == index.end() ? nullptr : it->second.front();
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
  if (indexed_) index_[vb::FoldKey(spec->Name())].push_back(spec);
  working_.push_back(std::move(spec));
  Changed();
}

void SpecStore::Remove(const SimQuerySpecPtr& spec) {
  if (indexed_) {
    auto bucket = index_.find(vb::FoldKey(spec->Name()));
    if (bucket != index_.end()) {
      std::erase(bucket->second, spec);
      if (bucket->second.empty()) index_.erase(bucket);
    }
  }
  std::erase(working_, spec);
  Changed();
}

void SpecStore::EndGroup() {
  grouping_ = false;
  if (pending_) Apply();
}

void SpecStore::Revert() {
  working_ = applied_;
  Invalidate();
  grouping_ = false;
  pending_ = false;
  if (onApplied) onApplied();
}

void SpecStore::Load(std::vector<SimQuerySpecPtr> specs) {
  working_ = specs;
  applied_ = std::move(specs);
  Invalidate();
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
