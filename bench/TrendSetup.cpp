#include "TrendSetup.h"

#include "control/ExcelTrendWizard.h"
#include "model/Globals.h"
#include "model/TraceInfoXml.h"
#include "model/Traces.h"
#include "platform/host/HostModel.h"
#include "trend/InsertTrend.h"
#include "trend/QuerySpecs.h"

namespace velkor::bench {

namespace {

std::string Tag(std::int32_t i) {
  return "tag" + std::to_string(i);
}

// The records a wizard writes for archive traces with tag cells.
std::string TraceInfoFor(std::int32_t traces, const std::string& source) {
  ResetTraces(traces);
  for (std::int32_t i = 1; i <= traces; ++i) {
    auto& record = gTraces[static_cast<std::size_t>(i)];
    record.TraceName = "\\\\srv1\\" + Tag(i);
    record.ServerName = "srv1";
    record.TagName = Tag(i);
    record.DataSourceName = source;
    record.TraceOrder = static_cast<std::int16_t>(i);
    record.qsIndex = static_cast<std::int16_t>(i);
    record.TagNameCell = "Sheet1!$A$" + std::to_string(i);
  }
  return WriteXML();
}

std::unique_ptr<BenchTrend>& Current() {
  static std::unique_ptr<BenchTrend> current;
  return current;
}

}  // namespace

BenchTrend::~BenchTrend() {
  // The host closes its workbooks, which tears their controls down, before
  // the services they use go.
  control = nullptr;
  driver.reset();
  if (app) app->Quit();
  app.reset();
  gAppExcel = nullptr;
}

std::unique_ptr<BenchTrend> MakeTrend(std::int32_t traces, Placement placement) {
  auto trend = std::make_unique<BenchTrend>();
  trend->traces = traces;
  trend->services = sim::InstallSimServices();
  trend->app = sim::SimApplication::Create();
  trend->driver = std::make_unique<sim::HostDriver>(trend->app);
  trend->driver->NewWorkbook();
  for (std::int32_t i = 1; i <= traces; ++i)
    trend->driver->SetCells("Sheet1!A" + std::to_string(i), Variant(Tag(i)));
  auto frame = trend->driver->InsertObject("Sheet1!", "Velkor.ExcelTrendWizard", 400, 1, 24, 24);
  auto& control = dynamic_cast<ExcelTrendWizard&>(*frame->Object());
  trend->control = &control;
  // One grouped change for all the specifications, as the wizard adds them.
  control.StartGroupedChange = true;
  for (std::int32_t i = 1; i <= traces; ++i) {
    std::string server = "srv1";
    std::string tag = Tag(i);
    ZaltAddQuerySpec(control, server, tag);
  }
  control.StartGroupedChange = false;
  trend->traceInfo = TraceInfoFor(traces, control.ZaltArcDCName);
  control.let_TraceInfo(trend->traceInfo);
  if (placement == Placement::Inserted) Insert(*trend);
  return trend;
}

void Insert(BenchTrend& trend) {
  Variant sheet = Variant::Missing();
  std::string range;
  InsertTrend(*trend.control, sheet, range);
  trend.driver->Activate("Sheet1!C1");
}

BenchTrend& CurrentTrend(std::int32_t traces) {
  auto& current = Current();
  if (!current || current->traces != traces) {
    current.reset();
    current = MakeTrend(traces, Placement::Inserted);
  }
  return *current;
}

void DropCurrentTrend() {
  Current().reset();
}

}  // namespace velkor::bench
