// A host with one workbook and a trend of `traces` archive traces whose tags
// come from cells A1 downwards on Sheet1, for the benchmarks.
//
// The host is per thread and belongs to the session created last, so only
// one trend may be alive at a time: CurrentTrend drops the previous one
// before it builds another.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "standins/SimServices.h"
#include "standins/host/HostDriver.h"
#include "standins/host/SimApplication.h"

namespace velkor {
class ExcelTrendWizard;
}

namespace velkor::bench {

struct BenchTrend {
  ~BenchTrend();

  sim::SimServices services;
  std::shared_ptr<sim::SimApplication> app;
  std::unique_ptr<sim::HostDriver> driver;
  ExcelTrendWizard* control = nullptr;
  std::int32_t traces = 0;
  std::string traceInfo;  // the trend's trace-info document
};

enum class Placement { Inserted, NotInserted };

// A new session: the control holds its query specifications and records;
// with Placement::Inserted the chart is placed too.
std::unique_ptr<BenchTrend> MakeTrend(std::int32_t traces, Placement placement);

// The one live trend of `traces` traces, built on first use.
BenchTrend& CurrentTrend(std::int32_t traces);
// Drops the live trend (the next CurrentTrend builds a new one).
void DropCurrentTrend();

// Places the chart of a trend made with Placement::NotInserted.
void Insert(BenchTrend& trend);

}  // namespace velkor::bench
