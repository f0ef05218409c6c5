#include "standins/components/archive/ArchiveTimeRange.h"

#include <optional>

#include "platform/Conversions.h"
#include "standins/VirtualNow.h"

namespace velkor::sim {

namespace {

std::optional<std::string> CheckedText(const Variant& bound, DateValue now) {
  if (bound.IsMissing()) return std::nullopt;
  std::string text = CStr(bound);
  ParseTimeText(text, now);
  return text;
}

}  // namespace

void ArchiveTimeRange::Set(bool temporary, const Variant& start, const Variant& end) {
  DateValue now = VirtualNow();
  auto startText = CheckedText(start, now);
  auto endText = CheckedText(end, now);
  for (TimeTexts* texts : {&inEffect_, temporary ? nullptr : &saved_}) {
    if (!texts) continue;
    if (startText) texts->start = *startText;
    if (endText) texts->end = *endText;
  }
}

TimeRange ArchiveTimeRange::InEffect() const {
  return ParseTimeRange(inEffect_.start, inEffect_.end, VirtualNow());
}

}  // namespace velkor::sim
