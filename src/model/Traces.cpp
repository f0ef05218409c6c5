#include "model/Traces.h"

#include <algorithm>

#include "model/TraceFields.h"

namespace velkor {

thread_local std::vector<TraceOrder> gTraces(1);

namespace {

// Records dropped by an earlier reset, kept with their text storage for the
// next document: every event parses its trend's document anew, mostly the
// same one, and its fields then fit where the last ones were.
thread_local std::vector<TraceOrder> tSpare;

void Empty(TraceOrder& record) {
  for (const auto& field : TraceFieldsInLayoutOrder()) {
    if (const auto* text = std::get_if<std::string TraceOrder::*>(&field.member))
      (record.**text).clear();
    else
      record.*std::get<std::int16_t TraceOrder::*>(field.member) = 0;
  }
}

}  // namespace

std::int32_t TracesUBound() {
  return std::max<std::int32_t>(0, static_cast<std::int32_t>(gTraces.size()) - 1);
}

void ResetTraces(std::int32_t n) {
  const std::size_t size = static_cast<std::size_t>(std::max<std::int32_t>(n, 0)) + 1;
  while (gTraces.size() > size) {
    tSpare.push_back(std::move(gTraces.back()));
    gTraces.pop_back();
  }
  for (auto& record : gTraces) Empty(record);
  gTraces.reserve(size);
  while (gTraces.size() < size && !tSpare.empty()) {
    gTraces.push_back(std::move(tSpare.back()));
    tSpare.pop_back();
    Empty(gTraces.back());
  }
  gTraces.resize(size);
}

}  // namespace velkor
