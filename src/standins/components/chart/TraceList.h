// TraceList: the chart's traces in chart order, each named by its data
// source and its series. The list also remembers the traces of sources that
// are not reachable at the moment (a saved order waiting for its data
// control); only the traces of live sources are shown.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace velkor::sim {

struct TraceKey {
  std::string source;  // the data control's OLE object name
  std::string series;  // the series (query specification) name
  friend bool operator==(const TraceKey&, const TraceKey&) = default;
};

class TraceList {
 public:
  using IsShown = std::function<bool(const TraceKey&)>;

  const std::vector<TraceKey>& All() const { return traces_; }
  void Assign(std::vector<TraceKey> traces) { traces_ = std::move(traces); }

  // Brings one source's traces in line with its series, given in the feed's
  // order: traces whose series is still there keep their places, the others
  // go, and series without a trace get one at the end, in feed order. A name
  // that occurs twice stands for two traces.
  void Merge(const std::string& source, std::span<const std::string> series);

  // The shown traces, in chart order.
  std::vector<TraceKey> Shown(const IsShown& isShown) const;

  // Reorders the shown traces by an order array (see ReorderRule.h); the
  // hidden ones follow them, in their current order.
  void Reorder(const IsShown& isShown, std::span<const std::int32_t> entries);

 private:
  bool MergeOneChange(const std::string& source, std::span<const std::string> series);

  std::vector<TraceKey> traces_;
};

}  // namespace velkor::sim
