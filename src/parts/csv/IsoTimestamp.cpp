#include "parts/csv/IsoTimestamp.h"
#include "parts/time/LocalTime.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace velkor::sim::csv {

namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr double kSecondsPerDay = 86400;
constexpr sys_days kEpoch = std::chrono::year{1899} / 12 / 30;

// Reads the text from the front, one piece at a time.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool Number(std::size_t digits, int& out) {
    if (text_.size() < digits) return false;
    out = 0;
    for (std::size_t i = 0; i < digits; ++i) {
      if (!IsDigit(text_[i])) return false;
      out = out * 10 + (text_[i] - '0');
    }
    text_.remove_prefix(digits);
    return true;
  }

  // The digits of a fraction as seconds; false when there are none.
  bool Fraction(double& out) {
    out = 0;
    double scale = 0.1;
    std::size_t n = 0;
    for (; n < text_.size() && IsDigit(text_[n]); ++n, scale /= 10) out += (text_[n] - '0') * scale;
    text_.remove_prefix(n);
    return n > 0;
  }

  bool Take(char c) {
    if (text_.empty() || text_.front() != c) return false;
    text_.remove_prefix(1);
    return true;
  }

  bool AtEnd() const { return text_.empty(); }

 private:
  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
  std::string_view text_;
};

struct Civil {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  double fraction = 0;
};

bool ReadDateAndTime(Cursor& in, Civil& t) {
  if (!in.Number(4, t.year) || !in.Take('-') || !in.Number(2, t.month) || !in.Take('-') ||
      !in.Number(2, t.day))
    return false;
  if (!in.Take('T') && !in.Take('t') && !in.Take(' ')) return false;
  if (!in.Number(2, t.hour) || !in.Take(':') || !in.Number(2, t.minute)) return false;
  if (!in.Take(':')) return true;
  if (!in.Number(2, t.second)) return false;
  if (in.Take('.') || in.Take(',')) return in.Fraction(t.fraction);
  return true;
}

// The zone's offset from UTC in minutes; nullopt when the text has none.
// Sets `ok` to false for a zone that does not read.
std::optional<int> ReadZone(Cursor& in, bool& ok) {
  in.Take(' ');
  if (in.AtEnd()) return std::nullopt;
  if (in.Take('Z') || in.Take('z')) return 0;
  const int sign = in.Take('+') ? 1 : in.Take('-') ? -1 : 0;
  int hours = 0, minutes = 0;
  if (sign == 0 || !in.Number(2, hours)) {
    ok = false;
    return std::nullopt;
  }
  if (!in.AtEnd()) {
    in.Take(':');
    ok = in.Number(2, minutes);
  }
  ok = ok && hours <= 23 && minutes <= 59;
  return sign * (hours * 60 + minutes);
}

double DaysOf(const year_month_day& date) {
  return static_cast<double>((sys_days{date} - kEpoch).count());
}

DateValue Serial(double day, double secondsOfDay) {
  const double time = secondsOfDay / kSecondsPerDay;
  return DateValue{day < 0 ? day - time : day + time};
}

// The instant `utcSeconds` (since 1970, UTC) in the machine's local time.
std::optional<DateValue> LocalTimeOf(double utcSeconds) {
  const double whole = std::floor(utcSeconds);
  const auto instant = static_cast<std::time_t>(whole);
  const auto calendar = LocalCalendarTime(instant);
  if (!calendar) return std::nullopt;
  const std::tm& local = *calendar;
  const year_month_day date{std::chrono::year{local.tm_year + 1900},
                            std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                            std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
  const double seconds =
      (local.tm_hour * 60.0 + local.tm_min) * 60.0 + local.tm_sec + (utcSeconds - whole);
  return Serial(DaysOf(date), seconds);
}

}  // namespace

std::optional<DateValue> ParseIsoTimestamp(std::string_view text) {
  Cursor in(text);
  Civil t;
  bool ok = ReadDateAndTime(in, t);
  const std::optional<int> zone = ok ? ReadZone(in, ok) : std::nullopt;
  const year_month_day date{std::chrono::year{t.year},
                            std::chrono::month{static_cast<unsigned>(t.month)},
                            std::chrono::day{static_cast<unsigned>(t.day)}};
  if (!ok || !in.AtEnd() || !date.ok() || t.year < 100 || t.hour > 23 || t.minute > 59 ||
      t.second > 59)
    return std::nullopt;
  const double seconds = (t.hour * 60.0 + t.minute) * 60.0 + t.second + t.fraction;
  if (!zone) return Serial(DaysOf(date), seconds);
  const double unixDay = static_cast<double>(sys_days{date}.time_since_epoch().count());
  return LocalTimeOf(unixDay * kSecondsPerDay + seconds - *zone * 60.0);
}

}  // namespace velkor::sim::csv
