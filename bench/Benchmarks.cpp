// The benchmarks against a live trend: the trace-info document read and
// written, the host's events, and the commands that match records to chart
// traces. Each sits next to the bare pugixml parse and save of the same
// document, measured in the same run.
#include "Benchmarks.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <string>

#include "RenderBench.h"
#include "TrendSetup.h"
#include "commands/ReorderTraces.h"
#include "control/ExcelTrendWizard.h"
#include "model/LastDocument.h"
#include "model/TraceInfoXml.h"
#include "standins/host/SimWorkbook.h"
#include "trend/InsertTrend.h"

namespace velkor::bench {

namespace {

BenchTrend& TrendOf(const benchmark::State& state) {
  return CurrentTrend(static_cast<std::int32_t>(state.range(0)));
}

void BareParse(benchmark::State& state) {
  const std::string& xml = TrendOf(state).traceInfo;
  for (auto _ : state) {
    pugi::xml_document document;
    benchmark::DoNotOptimize(document.load_buffer(xml.data(), xml.size()));
  }
}

class StringWriter : public pugi::xml_writer {
 public:
  void write(const void* data, std::size_t size) override {
    text.append(static_cast<const char*>(data), size);
  }
  std::string text;
};

void BareSave(benchmark::State& state) {
  const std::string& xml = TrendOf(state).traceInfo;
  pugi::xml_document document;
  document.load_buffer(xml.data(), xml.size());
  for (auto _ : state) {
    StringWriter writer;
    document.save(writer, "", pugi::format_raw | pugi::format_no_declaration);
    benchmark::DoNotOptimize(writer.text.data());
  }
}

// A document read for the first time: parsed in full, and kept.
void ReadXMLBench(benchmark::State& state) {
  const std::string& xml = TrendOf(state).traceInfo;
  for (auto _ : state) {
    ForgetLastDocument();
    ReadXML(xml);
  }
}

// The document read before, as every event after an unrelated edit reads it.
void ReadXMLAgain(benchmark::State& state) {
  const std::string& xml = TrendOf(state).traceInfo;
  for (auto _ : state) ReadXML(xml);
}

void WriteXMLBench(benchmark::State& state) {
  ReadXML(TrendOf(state).traceInfo);
  for (auto _ : state) benchmark::DoNotOptimize(WriteXML());
}

// A cell no trace refers to: every keystroke in any workbook raises this.
void UnrelatedEdit(benchmark::State& state) {
  auto& trend = TrendOf(state);
  for (auto _ : state) trend.driver->EditCells("Sheet1!Z1", Variant("x"));
}

// The first trace's tag cell: its query is replaced and the chart reordered.
void TagCellEdit(benchmark::State& state) {
  auto& trend = TrendOf(state);
  bool other = false;
  for (auto _ : state) {
    other = !other;
    trend.driver->EditCells("Sheet1!A1", Variant(other ? "sinusoid" : "tag1"));
  }
}

// The sheet that holds every tag cell: each is read and compared.
void SheetCalculate(benchmark::State& state) {
  auto& trend = TrendOf(state);
  for (auto _ : state) trend.driver->RaiseSheetCalculate("Sheet1");
}

// The trend's own workbook, which holds every tag cell.
void WorkbookOpen(benchmark::State& state) {
  auto& trend = TrendOf(state);
  host::WorkbookPtr book = trend.app->ActiveBook();
  for (auto _ : state) trend.app->WorkbookOpen.Raise(book);
}

void ReorderTracesBench(benchmark::State& state) {
  auto& trend = TrendOf(state);
  for (auto _ : state) ReorderTraces(*trend.control);
}

// A control that holds its specifications and records places its chart; the
// session is built and dropped outside the timing.
void InsertTrendBench(benchmark::State& state) {
  const auto traces = static_cast<std::int32_t>(state.range(0));
  DropCurrentTrend();
  for (auto _ : state) {
    state.PauseTiming();
    auto trend = MakeTrend(traces, Placement::NotInserted);
    state.ResumeTiming();
    Variant sheet = Variant::Missing();
    std::string range;
    InsertTrend(*trend->control, sheet, range);
    state.PauseTiming();
    trend.reset();
    state.ResumeTiming();
  }
}

using Body = void (*)(benchmark::State&);

struct Entry {
  const char* name;
  Body body;
};

// InsertTrend comes last: it drops the size's live trend.
constexpr Entry kSized[] = {
    {"BareParse", BareParse},          {"BareSave", BareSave},
    {"ReadXML", ReadXMLBench},         {"ReadXMLAgain", ReadXMLAgain},
    {"WriteXML", WriteXMLBench},       {"UnrelatedEdit", UnrelatedEdit},
    {"TagCellEdit", TagCellEdit},      {"SheetCalculate", SheetCalculate},
    {"WorkbookOpen", WorkbookOpen},    {"ReorderTraces", ReorderTracesBench},
    {"InsertTrend", InsertTrendBench},
};

}  // namespace

void RegisterAll(std::span<const std::int32_t> traces) {
  for (const std::int32_t n : traces)
    for (const Entry& entry : kSized)
      benchmark::RegisterBenchmark(entry.name, entry.body)->Arg(n)->Unit(benchmark::kMicrosecond);
  RegisterRenderStep();
}

}  // namespace velkor::bench
