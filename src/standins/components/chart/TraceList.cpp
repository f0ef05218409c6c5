#include "standins/components/chart/TraceList.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "standins/components/chart/ReorderRule.h"

namespace velkor::sim {

namespace {

bool SameNames(std::span<const TraceKey* const> traces, std::span<const std::string> names) {
  return std::equal(
      traces.begin(), traces.end(), names.begin(), names.end(),
      [](const TraceKey* trace, const std::string& name) { return trace->series == name; });
}

}  // namespace

// One series added at the end or one taken out, what a data control's
// single change gives, needs no counting: the result is the one the general
// rule below gives, the taken-out trace being the last of its name.
bool TraceList::MergeOneChange(const std::string& source, std::span<const std::string> series) {
  std::vector<const TraceKey*> own;
  for (const auto& trace : traces_)
    if (trace.source == source) own.push_back(&trace);
  if (series.size() == own.size()) return SameNames(own, series);
  if (series.size() == own.size() + 1 && SameNames(own, series.first(own.size()))) {
    traces_.push_back({source, series.back()});
    return true;
  }
  if (series.size() + 1 != own.size()) return false;
  std::size_t k = 0;
  while (k < series.size() && own[k]->series == series[k]) ++k;
  const std::span<const TraceKey* const> after = std::span(own).subspan(k + 1);
  const bool lastOfItsName = std::none_of(after.begin(), after.end(), [&](const TraceKey* trace) {
    return trace->series == own[k]->series;
  });
  if (!lastOfItsName || !SameNames(after, series.subspan(k))) return false;
  traces_.erase(traces_.begin() + (own[k] - traces_.data()));
  return true;
}

void TraceList::Merge(const std::string& source, std::span<const std::string> series) {
  if (MergeOneChange(source, series)) return;
  // Counted by views of the series' own names: no name is copied.
  std::unordered_map<std::string_view, int> unclaimed;
  unclaimed.reserve(series.size());
  for (const auto& name : series) ++unclaimed[name];
  auto alreadyShown = unclaimed;  // turns into the count of kept traces per name

  std::vector<TraceKey> kept;
  kept.reserve(traces_.size() + series.size());
  for (auto& trace : traces_) {
    if (trace.source == source) {
      auto it = unclaimed.find(trace.series);
      if (it == unclaimed.end() || it->second == 0) continue;
      --it->second;
    }
    kept.push_back(std::move(trace));
  }

  for (auto& [name, count] : alreadyShown) count -= unclaimed[name];
  for (const auto& name : series) {
    int& skip = alreadyShown[std::string_view(name)];
    if (skip > 0)
      --skip;
    else
      kept.push_back({source, name});
  }
  traces_ = std::move(kept);
}

std::vector<TraceKey> TraceList::Shown(const IsShown& isShown) const {
  std::vector<TraceKey> shown;
  std::copy_if(traces_.begin(), traces_.end(), std::back_inserter(shown), isShown);
  return shown;
}

void TraceList::Reorder(const IsShown& isShown, std::span<const std::int32_t> entries) {
  std::vector<TraceKey> shown;
  std::vector<TraceKey> hidden;
  for (auto& trace : traces_) (isShown(trace) ? shown : hidden).push_back(std::move(trace));

  traces_.clear();
  for (std::size_t index : ReorderPermutation(shown.size(), entries))
    traces_.push_back(std::move(shown[index]));
  std::move(hidden.begin(), hidden.end(), std::back_inserter(traces_));
}

}  // namespace velkor::sim
