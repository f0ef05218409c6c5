#include "platform/Conversions.h"

namespace velkor {

namespace {

bool IsDayZero(const DateParts& p) {
  return p.year == 1899 && p.month == 12 && p.day == 30;
}

bool IsMidnight(const DateParts& p) {
  return p.hour == 0 && p.minute == 0 && p.second == 0;
}

std::string TwoDigits(int n) {
  std::string text = std::to_string(n);
  if (n < 10) text.insert(text.begin(), '0');
  return text;
}

std::string DateText(const DateParts& p) {
  return std::to_string(p.month) + "/" + std::to_string(p.day) + "/" + std::to_string(p.year);
}

std::string TimeText(const DateParts& p) {
  const int hour12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
  return std::to_string(hour12) + ":" + TwoDigits(p.minute) + ":" + TwoDigits(p.second) +
         (p.hour < 12 ? " AM" : " PM");
}

}  // namespace

std::string FormatDate(DateValue d) {
  const DateParts p = SplitDate(d);
  if (IsDayZero(p)) return TimeText(p);
  if (IsMidnight(p)) return DateText(p);
  return DateText(p) + " " + TimeText(p);
}

}  // namespace velkor
