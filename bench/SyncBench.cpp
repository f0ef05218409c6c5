// What following the workbook costs a trend of 10 to 10000 archive traces
// whose tags come from cells: an edit of an unrelated cell (every keystroke
// in the workbook raises one), an edit of one tag cell (its query is
// replaced), and a recalculation of the sheet that holds every tag cell.
// BareParse parses the same trace-info document with pugixml alone, the floor
// that every event pays.
#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <map>

#include "TrendSetup.h"

namespace velkor::bench {

namespace {

BenchTrend& Trend(std::int32_t traces) {
  static std::map<std::int32_t, std::unique_ptr<BenchTrend>> trends;
  auto& trend = trends[traces];
  if (!trend) trend = MakeTrend(traces);
  return *trend;
}

void BareParse(benchmark::State& state) {
  const std::string& xml = Trend(static_cast<std::int32_t>(state.range(0))).traceInfo;
  for (auto _ : state) {
    pugi::xml_document document;
    benchmark::DoNotOptimize(document.load_buffer(xml.data(), xml.size()));
  }
}

void UnrelatedEdit(benchmark::State& state) {
  auto& trend = Trend(static_cast<std::int32_t>(state.range(0)));
  for (auto _ : state) trend.driver->EditCells("Sheet1!Z1", Variant("x"));
}

void TagCellEdit(benchmark::State& state) {
  auto& trend = Trend(static_cast<std::int32_t>(state.range(0)));
  bool other = false;
  for (auto _ : state) {
    other = !other;
    trend.driver->EditCells("Sheet1!A1", Variant(other ? "sinusoid" : "tag1"));
  }
}

void Recalculation(benchmark::State& state) {
  auto& trend = Trend(static_cast<std::int32_t>(state.range(0)));
  for (auto _ : state) trend.driver->RaiseSheetCalculate("Sheet1");
}

constexpr auto kUnit = benchmark::kMicrosecond;

}  // namespace

BENCHMARK(BareParse)->RangeMultiplier(10)->Range(10, 10000)->Unit(kUnit);
BENCHMARK(UnrelatedEdit)->RangeMultiplier(10)->Range(10, 10000)->Unit(kUnit);
BENCHMARK(TagCellEdit)->RangeMultiplier(10)->Range(10, 10000)->Unit(kUnit);
BENCHMARK(Recalculation)->RangeMultiplier(10)->Range(10, 10000)->Unit(kUnit);

}  // namespace velkor::bench

BENCHMARK_MAIN();
