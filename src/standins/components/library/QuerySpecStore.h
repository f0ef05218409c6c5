// SpecStore: the query specifications of one data control, as edited (the
// working list the query object shows) and as last applied (what the chart
// draws). A change outside a grouped change is applied at once; inside one
// it waits for the end of the group. Revert throws the unapplied edits away.
//
// Beginning a grouped change while one is open does not nest: a caller that
// opens one per edit and closes it once still gets every edit applied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "standins/components/library/QuerySpecObject.h"

namespace velkor::sim {

class SpecStore {
 public:
  // Called whenever the applied list changed (or was reverted to).
  std::function<void()> onApplied;

  const std::vector<SimQuerySpecPtr>& Working() const { return working_; }
  const std::vector<SimQuerySpecPtr>& Applied() const { return applied_; }

  // The working query specification of that name (letter case ignored); nullptr when none.
  // Looked up in an index, so that adding many, each checked against
  // the ones before, stays linear.
  SimQuerySpecPtr Find(std::string_view name) const;
  // The working query specification at a 0-based offset; nullptr outside the list.
  SimQuerySpecPtr At(std::size_t offset) const;
  SimQuerySpecPtr Owner(const component::SpecAttributesPtr& attributes) const;

  void Add(SimQuerySpecPtr spec);
  void Remove(const SimQuerySpecPtr& spec);

  void BeginGroup() { grouping_ = true; }
  void EndGroup();
  bool Grouping() const { return grouping_; }
  void Revert();
  // Takes a loaded list as applied, without notifying.
  void Load(std::vector<SimQuerySpecPtr> specs);

 private:
  void Changed();
  void Apply();
  // The index, rebuilt when the list was replaced or any query specification renamed.
  const std::unordered_map<std::string, std::vector<SimQuerySpecPtr>>& Index() const;
  void Invalidate() { indexed_ = false; }

  std::vector<SimQuerySpecPtr> working_;
  std::vector<SimQuerySpecPtr> applied_;
  // Working query specifications by vb::FoldKey of their names, each bucket in list order.
  mutable std::unordered_map<std::string, std::vector<SimQuerySpecPtr>> index_;
  mutable bool indexed_ = false;
  mutable std::uint64_t indexedRenames_ = 0;
  bool grouping_ = false;
  bool pending_ = false;
};

}  // namespace velkor::sim
