#include "parts/render/ValueAxis.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace velkor::sim {

namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kMargin = 0.05;          // of the span, above and below
constexpr double kConstantSpread = 0.1;   // of a constant value, either side
constexpr double kRelativeNoise = 1e-12;  // spans this narrow are rounding noise
constexpr double kMaxTickCount = 100;
constexpr double kFixedBelow = 1e8;
constexpr double kFixedStepFrom = 1e-4;
constexpr int kMaxDigits = 15;

double ClampFinite(double v) {
  return std::clamp(v, -kMax, kMax);
}

// The 1-2-5 step at or above `rough`.
double NiceStep(double rough) {
  const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
  const double residual = rough / magnitude;
  const double nice = residual <= 1.0 ? 1.0 : residual <= 2.0 ? 2.0 : residual <= 5.0 ? 5.0 : 10.0;
  return nice * magnitude;
}

// The 1-2-5 step just below a 1-2-5 `step`.
double FinerStep(double step) {
  const double magnitude = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
  const double residual = std::round(step / magnitude);
  return residual >= 5.0 ? 2.0 * magnitude : residual >= 2.0 ? magnitude : magnitude / 2.0;
}

double TickCount(double low, double high, double step) {
  return std::floor(high / step) - std::ceil(low / step) + 1.0;
}

int DecimalExponent(double v) {
  return static_cast<int>(std::floor(std::log10(std::fabs(v))));
}

}  // namespace

void ValueExtent::Add(double value) {
  if (!std::isfinite(value)) return;
  if (empty) {
    low = high = value;
    empty = false;
    return;
  }
  low = std::min(low, value);
  high = std::max(high, value);
}

ValueAxis::ValueAxis(const ValueExtent& extent, int maxTicks) {
  SetRange(extent);
  MakeTicks(maxTicks);
}

// Halves keep the arithmetic finite for values near the limits of a double.
void ValueAxis::SetRange(const ValueExtent& extent) {
  if (extent.empty) return;
  const double halfSpan = extent.high / 2 - extent.low / 2;
  const double magnitude = std::max(std::fabs(extent.low), std::fabs(extent.high));
  const double center = extent.low / 2 + extent.high / 2;
  if (halfSpan > magnitude * kRelativeNoise) {
    low_ = ClampFinite(extent.low - halfSpan * 2 * kMargin);
    high_ = ClampFinite(extent.high + halfSpan * 2 * kMargin);
  } else {
    const double spread = std::fabs(center) * kConstantSpread;
    low_ = ClampFinite(center - spread);
    high_ = ClampFinite(center + spread);
  }
  // Zero, or a value so tiny that a tenth of it is no longer a number.
  if (!(high_ / 2 > low_ / 2)) {
    low_ = center - 1.0;
    high_ = center + 1.0;
  }
}

void ValueAxis::MakeTicks(int maxTicks) {
  const double intervals = std::max(maxTicks, 2);
  step_ = NiceStep((high_ / 2 - low_ / 2) / (intervals / 2));
  if (!std::isfinite(step_) || step_ <= 0.0) return;
  // The rough step counts intervals, not ticks; a finer step often still fits.
  const double finer = FinerStep(step_);
  if (finer > 0.0 && TickCount(low_, high_, finer) <= intervals) step_ = finer;
  const double first = std::ceil(low_ / step_);
  const double last = std::floor(high_ / step_);
  if (last - first > kMaxTickCount) return;
  for (double k = first; k <= last; ++k) ticks_.push_back(k * step_);
  const double magnitude = std::max(std::fabs(low_), std::fabs(high_));
  scientific_ = magnitude >= kFixedBelow || step_ < kFixedStepFrom;
}

double ValueAxis::Fraction(double value) const {
  return (value / 2 - low_ / 2) / (high_ / 2 - low_ / 2);
}

std::string ValueAxis::Label(double value) const {
  if (!std::isfinite(value) || step_ <= 0.0) return {};
  if (value == 0.0) return "0";
  char buffer[64];
  std::to_chars_result result;
  if (scientific_) {
    const int digits = std::clamp(DecimalExponent(value) - DecimalExponent(step_), 0, kMaxDigits);
    result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits);
  } else {
    const int decimals = std::clamp(-DecimalExponent(step_), 0, kMaxDigits);
    result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  }
  return std::string(buffer, result.ptr);
}

}  // namespace velkor::sim
