#include "parts/time/TimeText.h"

#include <string_view>

#include "parts/time/DayCount.h"
#include "parts/time/TimeAnchor.h"
#include "parts/time/TimeOffsets.h"
#include "parts/time/TimeTextError.h"
#include "parts/time/TimeTokens.h"
#include "platform/Conversions.h"
#include "platform/DateRange.h"
#include "platform/VbError.h"

namespace velkor::sim {

namespace {

// A serial inside the span can still round up to a second past 31 Dec 9999.
bool IsRepresentable(DateValue date) {
  if (!IsDateInRange(date.serial)) return false;
  try {
    SplitDate(date);
  } catch (const VbError&) {
    return false;
  }
  return true;
}

// Skips 1 to `most` digits at `at`; false when there is none.
bool SkipDigits(std::string_view text, std::size_t& at, std::size_t most) {
  const std::size_t start = at;
  while (at < text.size() && at - start < most && text[at] >= '0' && text[at] <= '9') ++at;
  return at > start;
}

bool SkipDateSeparator(std::string_view text, std::size_t& at) {
  if (at >= text.size() || std::string_view("-/.").find(text[at]) == std::string_view::npos)
    return false;
  ++at;
  return true;
}

// "2026-13-01" is shaped like a date (1-4 digits, - / or ., 1-2 digits, a
// separator, 1-4 digits); reading it as the serial 2026 with the offsets
// "-13-01" would only give a confusing message about units. Scanned by hand:
// every time in an imported file passes here.
bool IsDateShaped(std::string_view body) {
  std::size_t at = 0;
  return SkipDigits(body, at, 4) && SkipDateSeparator(body, at) && SkipDigits(body, at, 2) &&
         SkipDateSeparator(body, at) && SkipDigits(body, at, 4);
}

DateValue CheckedDate(std::string_view text, DateValue date) {
  if (!IsRepresentable(date)) timetext::RaiseTimeOutOfRange(text);
  return date;
}

}  // namespace

DateValue ParseTimeText(std::string_view text, DateValue now) {
  using namespace timetext;
  const std::string_view body = TrimBlanks(text);
  if (body.empty()) RaiseBadTime(text, "the text is empty");
  auto anchor = ReadAnchor(body, now);
  if (anchor && IsDateShaped(body) &&
      body.substr(0, anchor->length).find_first_not_of("0123456789.") == std::string_view::npos) {
    anchor.reset();  // only a leading serial was readable
  }
  if (!anchor) {
    RaiseBadTime(text,
                 "it starts with neither a date, a date serial, *, t, today, y, yesterday "
                 "nor an offset such as -8h");
  }
  CheckedDate(text, anchor->date);
  const double days = ReadOffsets(text, body.substr(anchor->length));
  return CheckedDate(text, AddDays(anchor->date, days));
}

TimeRange ParseTimeRange(std::string_view start, std::string_view end, DateValue now) {
  return TimeRange{ParseTimeText(start, now), ParseTimeText(end, now)};
}

}  // namespace velkor::sim
