// libFuzzer entry for time texts: any text names a date in range or raises
// Type mismatch or Overflow.
#include <cmath>
#include <cstdlib>

#include "FuzzHost.h"
#include "parts/time/TimeText.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkor;
  const auto text = fuzz::Text(data, size);
  const auto split = text.find('\n');
  try {
    const DateValue date = sim::ParseTimeText(text, DateValue{46363.25});
    if (!std::isfinite(date.serial)) std::abort();
    if (split != std::string_view::npos)
      sim::ParseTimeRange(text.substr(0, split), text.substr(split + 1), DateValue{46363.25});
  } catch (const VbError& e) {
    if (e.number() != err::kTypeMismatch && e.number() != err::kOverflow) std::abort();
  }
  return 0;
}
