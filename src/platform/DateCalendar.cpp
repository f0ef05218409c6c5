#include <cmath>

#include "platform/Conversions.h"
#include "platform/DateRange.h"
#include "platform/ErrorNumbers.h"

namespace velkor {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, DateParts& out) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  out.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  out.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  out.year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (out.month <= 2));
}

const std::int64_t kEpochDays = DaysFromCivil(1899, 12, 30);

bool IsLeap(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

bool IsValid(const DateParts& p) {
  return p.year >= 100 && p.year <= 9999 && p.month >= 1 && p.month <= 12 && p.day >= 1 &&
         p.day <= DaysInMonth(p.year, p.month) && p.hour >= 0 && p.hour <= 23 && p.minute >= 0 &&
         p.minute <= 59 && p.second >= 0 && p.second <= 59;
}

}  // namespace

DateParts SplitDate(DateValue d) {
  if (!IsDateInRange(d.serial)) Raise(err::kOverflow);
  // The integer part is the day for negative serials too; the fraction is
  // always the time after that day's midnight.
  const double dayPart = std::trunc(d.serial);
  auto day = static_cast<std::int64_t>(dayPart);
  // A time computed as a whole second and a half (59.5 / 86400) lands a hair
  // below the half; like the runtime, a bias of 1e-11 day rounds it up.
  constexpr double kHalfSecondBias = 1e-11;
  auto seconds = std::llround((std::fabs(d.serial - dayPart) + kHalfSecondBias) * kSecondsPerDay);
  if (seconds >= kSecondsPerDay) {
    ++day;
    seconds = 0;
  }
  DateParts parts;
  CivilFromDays(kEpochDays + day, parts);
  if (parts.year > 9999) Raise(err::kOverflow);
  parts.hour = static_cast<int>(seconds / 3600);
  parts.minute = static_cast<int>(seconds / 60 % 60);
  parts.second = static_cast<int>(seconds % 60);
  return parts;
}

std::optional<DateValue> MakeDate(const DateParts& p) {
  if (!IsValid(p)) return std::nullopt;
  const auto day = static_cast<double>(
      DaysFromCivil(p.year, static_cast<unsigned>(p.month), static_cast<unsigned>(p.day)) -
      kEpochDays);
  const double time = (p.hour * 3600.0 + p.minute * 60.0 + p.second) / kSecondsPerDay;
  return DateValue{day < 0 ? day - time : day + time};
}

}  // namespace velkor
