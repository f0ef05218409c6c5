#include "parts/render/TimeAxis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/Conversions.h"

namespace velkor::sim {

namespace {

enum class Style { Seconds, Minutes, Days, Months, Years };

struct Step {
  double seconds;  // a fixed step; 0 for a step of calendar months
  int months;
  Style style;
  double originDays = 0.0;  // what fixed steps count from; day 2 is Monday 1900-01-01
};

constexpr double kDaySeconds = 86400.0;
constexpr double kMonthSeconds = 30.436875 * kDaySeconds;  // an average Gregorian month
constexpr double kTolerance = 1e-6;                        // of a step
constexpr int kMostTicks = 60;

constexpr Step kSteps[] = {
    {1, 0, Style::Seconds},
    {2, 0, Style::Seconds},
    {5, 0, Style::Seconds},
    {10, 0, Style::Seconds},
    {15, 0, Style::Seconds},
    {30, 0, Style::Seconds},
    {60, 0, Style::Minutes},
    {120, 0, Style::Minutes},
    {300, 0, Style::Minutes},
    {600, 0, Style::Minutes},
    {900, 0, Style::Minutes},
    {1800, 0, Style::Minutes},
    {3600, 0, Style::Minutes},
    {7200, 0, Style::Minutes},
    {10800, 0, Style::Minutes},
    {21600, 0, Style::Minutes},
    {43200, 0, Style::Minutes},
    {kDaySeconds, 0, Style::Days},
    {2 * kDaySeconds, 0, Style::Days},
    {7 * kDaySeconds, 0, Style::Days, 2.0},
    {14 * kDaySeconds, 0, Style::Days, 2.0},
    {0, 1, Style::Months},
    {0, 2, Style::Months},
    {0, 3, Style::Months},
    {0, 6, Style::Months},
    {0, 12, Style::Years},
    {0, 24, Style::Years},
    {0, 60, Style::Years},
    {0, 120, Style::Years},
    {0, 240, Style::Years},
    {0, 600, Style::Years},
    {0, 1200, Style::Years},
    {0, 2400, Style::Years},
    {0, 6000, Style::Years},
    {0, 12000, Style::Years},
    {0, 24000, Style::Years},
    {0, 60000, Style::Years},
    {0, 120000, Style::Years},
};

double Length(const Step& step) {
  return step.months > 0 ? step.months * kMonthSeconds : step.seconds;
}

const Step& ChooseStep(double spanSeconds, int maxTicks) {
  for (const Step& step : kSteps) {
    if (std::floor(spanSeconds / Length(step)) + 1 <= maxTicks) return step;
  }
  return std::end(kSteps)[-1];
}

// Ticks found within the tolerance just outside the window are moved onto
// its edge, so that every tick is a date that can be labelled.
double Inside(const TimeWindow& window, double day) {
  return std::clamp(day, window.start, window.end);
}

std::vector<double> FixedTicks(const TimeWindow& window, const Step& step) {
  const double from = (window.start - step.originDays) * kDaySeconds / step.seconds;
  const double to = (window.end - step.originDays) * kDaySeconds / step.seconds;
  std::vector<double> days;
  for (double k = std::ceil(from - kTolerance); k <= std::floor(to + kTolerance); ++k)
    days.push_back(Inside(window, step.originDays + k * step.seconds / kDaySeconds));
  return days;
}

std::vector<double> MonthTicks(const TimeWindow& window, const Step& step, int maxTicks) {
  const DateParts first = SplitDate(DateValue{FromLinearDays(window.start)});
  int index = first.year * 12 + first.month - 1;
  index = (index + step.months - 1) / step.months * step.months;
  const double slack = kTolerance * step.months * kMonthSeconds / kDaySeconds;
  std::vector<double> days;
  for (int guard = 0; guard <= maxTicks + 2; ++guard, index += step.months) {
    const auto date = MakeDate(DateParts{index / 12, index % 12 + 1, 1, 0, 0, 0});
    if (!date) break;
    const double day = ToLinearDays(date->serial);
    if (day > window.end + slack) break;
    if (day >= window.start - slack) days.push_back(Inside(window, day));
  }
  return days;
}

std::string Format(const char* format, int a, int b, int c = 0) {
  char buffer[64];
  const int n = std::snprintf(buffer, sizeof buffer, format, a, b, c);
  return std::string(buffer, static_cast<std::size_t>(std::clamp(n, 0, 63)));
}

// The label proper and the context that the first label and every change
// of context repeat in front of (or, for days, after) it.
struct LabelParts {
  std::string text, context;
};

LabelParts MakeLabel(const DateParts& p, Style style) {
  switch (style) {
    case Style::Seconds:
      return {Format("%02d:%02d:%02d", p.hour, p.minute, p.second),
              Format("%d/%d", p.month, p.day)};
    case Style::Minutes:
      return {Format("%02d:%02d", p.hour, p.minute), Format("%d/%d", p.month, p.day)};
    case Style::Days:
      return {Format("%d/%d", p.month, p.day), Format("%d", p.year, 0)};
    case Style::Months:
      return {Format("%d/%d", p.month, p.year), {}};
    case Style::Years:
      return {Format("%d", p.year, 0), {}};
  }
  return {};
}

std::vector<TimeTick> Label(const std::vector<double>& days, Style style) {
  std::vector<TimeTick> ticks;
  std::string context;
  for (double day : days) {
    LabelParts parts = MakeLabel(SplitDate(DateValue{FromLinearDays(day)}), style);
    std::string label = std::move(parts.text);
    if (parts.context != context) {
      context = parts.context;
      label = style == Style::Days ? label + "/" + context : context + " " + label;
    }
    ticks.push_back({day, std::move(label)});
  }
  return ticks;
}

}  // namespace

std::vector<TimeTick> MakeTimeTicks(const TimeWindow& window, int maxTicks) {
  maxTicks = std::clamp(maxTicks, 2, kMostTicks);
  const Step& step = ChooseStep(window.Span() * kDaySeconds, maxTicks);
  std::vector<double> days =
      step.months > 0 ? MonthTicks(window, step, maxTicks) : FixedTicks(window, step);
  if (days.empty()) return Label({window.start, window.end}, Style::Seconds);
  return Label(days, step.style);
}

}  // namespace velkor::sim
