#include "model/Traces.h"

#include <algorithm>

namespace velkor {

thread_local std::vector<TraceOrder> gTraces(1);

std::int32_t TracesUBound() {
  return std::max<std::int32_t>(0, static_cast<std::int32_t>(gTraces.size()) - 1);
}

void ResetTraces(std::int32_t n) {
  // Every earlier record goes; the array's storage stays for the next
  // document, which is mostly the same one parsed again by the next event.
  gTraces.clear();
  gTraces.resize(static_cast<std::size_t>(std::max<std::int32_t>(n, 0)) + 1);
}

}  // namespace velkor
