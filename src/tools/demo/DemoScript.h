// The demo as a scenario: what the wizard add-in and a user do with the
// sample workbook, step by step. Each demo step is one narrated line made of
// scenario steps (docs/scenarios.md), with a chart rendered after some.
#pragma once

#include <string>
#include <vector>

#include "platform/Variant.h"
#include "standins/host/VariantJson.h"

namespace velkor::sim::demo {

// The workbook file the demo saves with the trend, and the one it saves
// after deleting the trend.
inline constexpr const char* kSavedBook = "Plant.json";
inline constexpr const char* kDeletedBook = "Plant-deleted.json";

struct DemoStep {
  std::string narration;
  Json actions;     // scenario steps
  std::string svg;  // the file the trend is rendered to afterwards; empty: none
};

// The virtual now of the demo: fixed, so that every run draws the same charts.
DateValue DemoClock();

// The scenario's set-up (clock, archive, workbook, active cell) with no steps.
Json DemoSetUp();

std::vector<DemoStep> DemoSteps();

// The chart InsertTrend names on the set-up sheet.
std::string DemoTrendName();

}  // namespace velkor::sim::demo
