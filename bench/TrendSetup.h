// A host with one workbook and a trend of `traces` archive traces whose tags
// come from cells A1 downwards on Sheet1, for the benchmarks.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "standins/SimServices.h"
#include "standins/host/HostDriver.h"
#include "standins/host/SimApplication.h"

namespace velkor::bench {

struct BenchTrend {
  sim::SimServices services;
  std::shared_ptr<sim::SimApplication> app;
  std::unique_ptr<sim::HostDriver> driver;
  std::string traceInfo;  // the trend's trace-info document
};

std::unique_ptr<BenchTrend> MakeTrend(std::int32_t traces);

}  // namespace velkor::bench
