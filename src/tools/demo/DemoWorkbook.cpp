#include "tools/demo/DemoWorkbook.h"

#include <cmath>
#include <string>

#include "parts/time/IsoDate.h"

namespace velkor::sim::demo {

namespace {

constexpr int kLabReadings = 8;
constexpr double kHour = 1.0 / 24.0;

Json SetupCells() {
  return Json{{"A1", "Plant overview: trend set-up"},
              {"A3", "Tag"},
              {"B3", "Server"},
              {"D3", "Start time"},
              {"E3", "End time"},
              {"A4", "sinusoid"},
              {"B4", "srv1"},
              {"A5", "ramp"},
              {"B5", "srv1"},
              {"D4", "*-8H"},
              {"E4", "*"}};
}

// Readings on the whole hours up to `now`, wandering around 50.
Json LabCells(DateValue now) {
  Json cells{{"A1", "Time"}, {"B1", "lab flow"}};
  const double lastHour = std::floor(now.serial * 24.0) / 24.0;
  for (int i = 0; i < kLabReadings; ++i) {
    const std::string row = std::to_string(i + 2);
    const double time = lastHour - (kLabReadings - 1 - i) * kHour;
    cells["A" + row] = Json{{"date", FormatIsoDate(DateValue{time})}};
    cells["B" + row] = 50.0 + 8.0 * std::sin(i * 0.9) + (i % 3) * 1.5;
  }
  return cells;
}

}  // namespace

Json DemoWorkbookSetup(DateValue now) {
  return Json{{"name", kDemoBook},
              {"sheets", Json::array({Json{{"name", kSetupSheet}, {"cells", SetupCells()}},
                                      Json{{"name", kLabSheet}, {"cells", LabCells(now)}}})}};
}

}  // namespace velkor::sim::demo
