#include "parts/archive/DemoSignals.h"

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "parts/archive/DemoRandom.h"

namespace velkor::sim {

namespace {

constexpr std::int64_t kMinutesPerDay = 1440;
constexpr std::uint64_t kSeed = 158;

// The minute within its hour or day, also for minutes before day zero.
double FractionOf(std::int64_t minute, std::int64_t period) {
  const std::int64_t rest = ((minute % period) + period) % period;
  return static_cast<double>(rest) / static_cast<double>(period);
}

void FillSinusoid(std::span<Sample> samples, std::int64_t firstMinute) {
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double phase = FractionOf(firstMinute + static_cast<std::int64_t>(i), 60);
    samples[i].value = 50.0 + 40.0 * std::sin(2.0 * std::numbers::pi * phase);
  }
}

void FillRamp(std::span<Sample> samples, std::int64_t firstMinute) {
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i].value = 100.0 * FractionOf(firstMinute + static_cast<std::int64_t>(i), 60);
  }
}

// Steps of up to one unit, reflected at 0 and 100.
void FillRandomWalk(std::span<Sample> samples, std::int64_t /*firstMinute*/) {
  DemoRandom random(kSeed);
  double value = 50.0;
  for (Sample& sample : samples) {
    value += random.Symmetric();
    if (value < 0.0) value = -value;
    if (value > 100.0) value = 200.0 - value;
    sample.value = value;
  }
}

struct Gap {
  double at;  // where it starts, as a fraction of the window
  std::size_t minutes;
};
constexpr std::array<Gap, 3> kGaps{{{0.2, 25}, {0.55, 90}, {0.85, 45}}};
constexpr std::size_t kSettlingMinutes = 10;

// Values right after an outage are flagged questionable, as a plant
// historian does while the instrument settles.
void PunchGaps(std::span<Sample> samples) {
  for (const Gap& gap : kGaps) {
    const auto start = static_cast<std::size_t>(gap.at * static_cast<double>(samples.size()));
    for (std::size_t i = start; i < samples.size() && i < start + gap.minutes; ++i) {
      samples[i].value = std::numeric_limits<double>::quiet_NaN();
    }
    const std::size_t settled = start + gap.minutes + kSettlingMinutes;
    for (std::size_t i = start + gap.minutes; i < samples.size() && i < settled; ++i) {
      samples[i].status = sample_status::kQuestionable;
    }
  }
}

// A temperature around 160 with its daily peak at 15:00, plus noise.
void FillPlantTemperature(std::span<Sample> samples, std::int64_t firstMinute) {
  DemoRandom random(kSeed + 1);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double day = FractionOf(firstMinute + static_cast<std::int64_t>(i), kMinutesPerDay);
    const double cycle = std::sin(2.0 * std::numbers::pi * (day - 0.375));
    samples[i].value = 160.0 + 8.0 * cycle + 0.6 * random.Symmetric();
  }
  PunchGaps(samples);
}

constexpr std::array kSignals{
    DemoSignal{"sinusoid", "Sine wave, period one hour", "", FillSinusoid},
    DemoSignal{"ramp", "Ramp from 0 to 100, restarting every hour", "%", FillRamp},
    DemoSignal{"randomwalk", "Random walk between 0 and 100", "", FillRandomWalk},
    DemoSignal{"cdt158", "Column overhead temperature", "degC", FillPlantTemperature},
};

}  // namespace

std::span<const DemoSignal> DemoSignals() {
  return kSignals;
}

}  // namespace velkor::sim
