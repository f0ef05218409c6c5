#include "tools/demo/DemoScript.h"

#include "parts/time/IsoDate.h"
#include "tools/demo/DemoWorkbook.h"

namespace velkor::sim::demo {

namespace {

constexpr const char* kControl = "ExcelTrendWizard1";
constexpr int kYes = 6;

std::string Member(const char* member) {
  return std::string(kControl) + "." + member;
}

Json Call(const char* member, Json args = Json::array()) {
  return Json{{"call", Member(member)}, {"args", std::move(args)}};
}

Json Let(const char* member, Json value) {
  return Json{{"let", Member(member)}, {"value", std::move(value)}};
}

Json NoReports() {
  return Json{{"expect", Json{{"log", Json::array()}}}};
}

Json QueryAll() {
  return Call("QueryData", Json::array({Json{{"long", 1}}}));
}

// The archive traces take tag and server from the cells beside each other
// on the set-up sheet; the worksheet trace reads the lab readings.
std::string TraceInfoXml() {
  const std::string archive = "ZaltArchiveData1_Sheet1";
  const auto archiveTrace = [&](int n, const char* tag, const char* row) {
    const std::string id = std::to_string(n);
    return "<trace" + id + "><TraceName>\\\\srv1\\" + tag + "</TraceName><ServerName>srv1" +
           "</ServerName><TagName>" + tag + "</TagName><DataSourceName>" + archive +
           "</DataSourceName><TraceOrder>" + id + "</TraceOrder><qsIndex>" + id +
           "</qsIndex><ServerNameCell>Setup!$B$" + row + "</ServerNameCell><TagNameCell>Setup!$A$" +
           row + "</TagNameCell></trace" + id + ">";
  };
  return "<traceinfo>" + archiveTrace(1, "sinusoid", "4") + archiveTrace(2, "ramp", "5") +
         "<trace3><TraceName>lab flow</TraceName><DataSourceName>ZaltExcelData1_Sheet1"
         "</DataSourceName><TraceOrder>3</TraceOrder><qsIndex>1</qsIndex><CellRange>" +
         std::string(kLabRange) + "</CellRange></trace3></traceinfo>";
}

DemoStep Build(std::string narration, Json actions, std::string svg = {}) {
  return {std::move(narration), std::move(actions), std::move(svg)};
}

std::vector<DemoStep> BuildTrend() {
  return {
      Build("Insert the trend control on sheet Setup",
            Json::array({Json{{"insert", Json{{"class", "Velkor.ExcelTrendWizard"},
                                              {"sheet", kSetupSheet},
                                              {"left", 400},
                                              {"top", 1},
                                              {"width", 24},
                                              {"height", 24}}}},
                         Let("WizardControlName", kControl)})),
      Build("Add the archive tags srv1\\sinusoid and srv1\\ramp named in Setup!A4:B5",
            Json::array({Call("ZaltAddQuerySpec", {"srv1", "sinusoid"}),
                         Call("ZaltAddQuerySpec", {"srv1", "ramp"})})),
      Build("Add the lab readings Lab!A1:B9 as a worksheet trace",
            Json::array({Call("ExcelAddQuerySpecs", {kLabRange, true})})),
      Build("Link each archive trace's tag and server to its cells in Setup!A4:B5",
            Json::array({Let("TraceInfo", TraceInfoXml()), Let("xTrendTitle", "Plant overview")})),
      Build("Take the start time from Setup!D4 (*-8H), ending now",
            Json::array({Call("ZaltSetTimeRange", {false, "*-8H", "*"}),
                         Let("strtxtStartTime", "Setup!$D$4"), Let("tglStartTime", true)})),
      Build("Insert the trend on Setup over A8:H26 and query the data",
            Json::array({Call("InsertTrend", {"Setup!A1", "$A$8:$H$26"}), QueryAll(),
                         Json{{"get", Member("TrendName")}, {"expect", DemoTrendName()}},
                         NoReports()}),
            "1-built.svg"),
  };
}

std::vector<DemoStep> EditCells() {
  return {
      Build("The user types randomwalk into the tag cell Setup!A4",
            Json::array({Json{{"edit", "Setup!A4"}, {"value", "randomwalk"}}, NoReports()})),
      Build("The user types *-2H into the start-time cell Setup!D4",
            Json::array({Json{{"edit", "Setup!D4"}, {"value", "*-2H"}}, NoReports()})),
      Build("A formula turns the tag cell Setup!A5 into cdt158; the sheet recalculates",
            Json::array({Json{{"calculate", kSetupSheet}, {"values", Json{{"A5", "cdt158"}}}},
                         QueryAll(), NoReports()}),
            "2-edited.svg"),
  };
}

std::vector<DemoStep> SaveAndReopen() {
  return {
      Build(std::string("Save the workbook as ") + kSavedBook + " and close it",
            Json::array({Json{{"save", kDemoBook}, {"to", kSavedBook}}, Json{{"close", kSavedBook}},
                         NoReports()})),
      Build(std::string("Open ") + kSavedBook + " again",
            Json::array({Json{{"open", kSavedBook}}, NoReports()})),
      Build("Five seconds later the control reconnects to its chart and data controls",
            Json::array(
                {Json{{"tick", 5000}}, Json{{"call", Member("Timer_Connect")}, {"expect", true}}})),
      Build("Query the data again", Json::array({QueryAll(), NoReports()}), "3-reopened.svg"),
  };
}

std::vector<DemoStep> DeleteTrend() {
  return {
      Build("Delete the trend from its menu and answer Yes",
            Json::array({Json{{"answer", Json::array({kYes})}},
                         Json{{"menu", DemoTrendName()}, {"item", "De&lete Trend"}},
                         Json{{"expect", Json{{"objects", Json{{kSetupSheet, Json::array()}}},
                                              {"log", Json::array()}}}}})),
      Build(std::string("Save the workbook without the trend as ") + kDeletedBook,
            Json::array({Json{{"save", kSavedBook}, {"to", kDeletedBook}}})),
  };
}

}  // namespace

DateValue DemoClock() {
  return *ParseIsoDate("2026-12-07T06:00:00");
}

std::string DemoTrendName() {
  return "ZaltTrend1_Sheet1";
}

Json DemoSetUp() {
  return Json{{"clock", FormatIsoDate(DemoClock())},
              {"archive", "demo"},
              {"workbooks", Json::array({DemoWorkbookSetup(DemoClock())})},
              {"active", Json{{"workbook", kDemoBook}, {"sheet", kSetupSheet}, {"cell", "J3"}}},
              {"steps", Json::array()}};
}

std::vector<DemoStep> DemoSteps() {
  std::vector<DemoStep> steps;
  for (auto part : {BuildTrend(), EditCells(), SaveAndReopen(), DeleteTrend()})
    for (auto& step : part) steps.push_back(std::move(step));
  return steps;
}

}  // namespace velkor::sim::demo
