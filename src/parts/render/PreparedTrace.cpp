#include "parts/render/PreparedTrace.h"

#include "parts/render/Decimate.h"
#include "parts/render/OrderedSamples.h"
#include "parts/render/VisibleSamples.h"

namespace velkor::sim {

PreparedTrace PrepareTrace(const TrendTrace& trace, const TimeWindow& window, std::size_t columns) {
  const OrderedSamples ordered(trace.points);
  const VisibleSamples visible = SelectVisible(ordered.points(), window, trace.stepped);
  DecimatedSamples decimated = Decimate(visible.inside, window, columns);
  PreparedTrace prepared;
  prepared.line.reserve(decimated.line.size() + 2);
  if (visible.entry) prepared.line.push_back(*visible.entry);
  prepared.line.insert(prepared.line.end(), decimated.line.begin(), decimated.line.end());
  if (visible.exit) prepared.line.push_back(*visible.exit);
  prepared.hasEntry = visible.entry.has_value();
  prepared.hasExit = visible.exit.has_value();
  prepared.flagged = std::move(decimated.flagged);
  for (const TracePoint& p : prepared.flagged) prepared.statusBits |= p.status & status::kAll;
  return prepared;
}

ValueExtent ExtentOf(const PreparedTrace& trace) {
  ValueExtent extent;
  for (const TracePoint& p : trace.line) extent.Add(p.value);
  return extent;
}

}  // namespace velkor::sim
