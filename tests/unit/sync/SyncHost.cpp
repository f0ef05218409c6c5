#include "unit/sync/SyncHost.h"

#include "control/components/ChartTrace.h"
#include "control/components/ChartTraces.h"
#include "control/components/DataObject.h"
#include "control/components/QueryObject.h"
#include "control/components/QuerySpec.h"
#include "control/components/QuerySpecs.h"
#include "control/components/TrendChart.h"
#include "trend/InsertTrend.h"
#include "trend/QuerySpecs.h"

namespace velkor::test {

namespace {

std::string Element(const std::string& name, const std::string& text) {
  return "<" + name + ">" + text + "</" + name + ">";
}

}  // namespace

std::string TraceInfoOf(const std::vector<ArchiveRecord>& records) {
  std::string xml = "<traceinfo>";
  for (std::size_t i = 0; i < records.size(); ++i) {
    const ArchiveRecord& r = records[i];
    const std::string trace = "trace" + std::to_string(i + 1);
    xml += "<" + trace + ">" + Element("TraceName", "\\\\srv1\\" + r.tag) +
           Element("ServerName", "srv1") + Element("TagName", r.tag) +
           Element("DataSourceName", "ZaltArchiveData1_Sheet1") +
           Element("TraceOrder", std::to_string(r.order)) +
           Element("qsIndex", std::to_string(r.qsIndex)) + Element("TagNameCell", r.tagCell) +
           Element("ServerNameCell", r.serverCell) + "</" + trace + ">";
  }
  return xml + "</traceinfo>";
}

std::shared_ptr<ExcelTrendWizard> SyncHost::Trend(const std::vector<ArchiveRecord>& records) {
  auto control = InsertControl();
  for (const ArchiveRecord& record : records) {
    std::string server = "srv1";
    std::string tag = record.tag;
    ZaltAddQuerySpec(*control, server, tag);
  }
  control->let_TraceInfo(TraceInfoOf(records));
  Variant sheet("Sheet1!A1");
  std::string range = "$A$20:$F$34";
  InsertTrend(*control, sheet, range);
  return control;
}

std::vector<std::string> SyncHost::ArchiveSpecNames(ExcelTrendWizard& c) {
  std::vector<std::string> names;
  for (const auto& spec : ZaltQueryObject(c)->QuerySpecs()->Items()) names.push_back(spec->Name());
  return names;
}

std::vector<std::string> SyncHost::ChartTraceNames(ExcelTrendWizard& c) {
  std::vector<std::string> names;
  auto traces = c.m_objTrend->Traces();
  for (std::int32_t t = 1; t <= traces->Count(); ++t)
    names.push_back(traces->Item(t)->DataObject()->Name());
  return names;
}

}  // namespace velkor::test
