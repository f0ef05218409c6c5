#include "parts/time/IsoDate.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "platform/ErrorNumbers.h"

namespace velkor::sim {

namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr std::int64_t kMsPerDay = 86'400'000;
constexpr sys_days kEpoch = std::chrono::year{1899} / 12 / 30;

// OLE dates count whole days from the epoch and keep the time of day as the
// fraction's magnitude, also before the epoch (-1.25 is 1899-12-29 06:00).
struct DayAndTime {
  std::int64_t day = 0;
  std::int64_t ms = 0;
};

DayAndTime Split(double serial) {
  double whole = std::trunc(serial);
  auto ms = static_cast<std::int64_t>(std::llround(std::fabs(serial - whole) * kMsPerDay));
  auto day = static_cast<std::int64_t>(whole);
  if (ms == kMsPerDay) {
    ms = 0;
    day += serial < 0 ? -1 : 1;
  }
  return {day, ms};
}

bool ReadInt(std::string_view text, std::size_t pos, std::size_t width, int& out) {
  if (pos + width > text.size()) return false;
  out = 0;
  for (std::size_t i = pos; i < pos + width; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    out = out * 10 + (text[i] - '0');
  }
  return true;
}

bool Expect(std::string_view text, std::size_t pos, char c) {
  return pos < text.size() && text[pos] == c;
}

}  // namespace

std::string FormatIsoDate(DateValue date) {
  if (!std::isfinite(date.serial) || std::fabs(date.serial) > 3.0e6) Raise(err::kOverflow);
  auto [day, ms] = Split(date.serial);
  year_month_day ymd{kEpoch + days{day}};
  int year = static_cast<int>(ymd.year());
  if (year < 100 || year > 9999) Raise(err::kOverflow);
  char buf[40];
  std::snprintf(buf, sizeof buf, "%04d-%02u-%02uT%02d:%02d:%02d", year,
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                static_cast<int>(ms / 3'600'000), static_cast<int>(ms / 60'000 % 60),
                static_cast<int>(ms / 1000 % 60));
  std::string out = buf;
  if (ms % 1000 != 0) {
    std::snprintf(buf, sizeof buf, ".%03d", static_cast<int>(ms % 1000));
    out += buf;
  }
  return out;
}

std::optional<DateValue> ParseIsoDate(std::string_view text) {
  int y, mo, d, h, mi, s, milli = 0;
  if (!ReadInt(text, 0, 4, y) || !Expect(text, 4, '-') || !ReadInt(text, 5, 2, mo) ||
      !Expect(text, 7, '-') || !ReadInt(text, 8, 2, d) || !Expect(text, 10, 'T') ||
      !ReadInt(text, 11, 2, h) || !Expect(text, 13, ':') || !ReadInt(text, 14, 2, mi) ||
      !Expect(text, 16, ':') || !ReadInt(text, 17, 2, s))
    return std::nullopt;
  std::size_t end = 19;
  if (Expect(text, 19, '.')) {
    if (!ReadInt(text, 20, 3, milli)) return std::nullopt;
    end = 23;
  }
  year_month_day ymd{std::chrono::year{y}, std::chrono::month{static_cast<unsigned>(mo)},
                     std::chrono::day{static_cast<unsigned>(d)}};
  if (end != text.size() || !ymd.ok() || y < 100 || h > 23 || mi > 59 || s > 59)
    return std::nullopt;
  auto day = (sys_days{ymd} - kEpoch).count();
  double time = (((h * 60.0 + mi) * 60.0 + s) * 1000.0 + milli) / kMsPerDay;
  return DateValue{day < 0 ? day - time : day + time};
}

}  // namespace velkor::sim
