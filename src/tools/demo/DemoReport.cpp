#include "tools/demo/DemoReport.h"

#include <sstream>
#include <string>

#include "parts/time/IsoDate.h"
#include "tools/demo/DemoScript.h"
#include "tools/demo/HtmlText.h"

namespace velkor::sim::demo {

namespace {

constexpr const char* kStyle = R"css(
body { font-family: system-ui, sans-serif; margin: 2em auto; max-width: 60em; color: #222; }
h1 { font-size: 1.6em; } h2 { font-size: 1.25em; margin-top: 2em; }
ol.steps > li { margin: 0.6em 0; }
.ok { color: #1a7f37; } .failed { color: #b42318; font-weight: bold; }
.failure { color: #b42318; font-family: monospace; white-space: pre-wrap; }
figure { margin: 0.6em 0 1.2em 0; } figure svg { border: 1px solid #ccc; max-width: 100%; height: auto; }
figcaption { font-size: 0.85em; color: #555; }
table { border-collapse: collapse; font-size: 0.85em; margin: 0.5em 0; display: block; max-width: 100%; overflow-x: auto; }
th, td { border: 1px solid #ccc; padding: 0.2em 0.5em; text-align: left; vertical-align: top; }
th { background: #f3f3f3; } td.value { font-family: monospace; word-break: break-all; max-width: 40em; }
pre.log { background: #f8f8f8; border: 1px solid #ddd; padding: 0.6em; white-space: pre-wrap; }
)css";

void WriteStep(std::ostream& html, const DemoStepResult& step, std::size_t number) {
  html << "<li><span>" << EscapeHtml(step.narration) << "</span> "
       << (step.failures.empty() ? "<span class=\"ok\">ok</span>"
                                 : "<span class=\"failed\">failed</span>");
  for (const auto& failure : step.failures)
    html << "<div class=\"failure\">" << EscapeHtml(failure) << "</div>";
  if (!step.svgFile.empty()) {
    html << "<figure>"
         << (step.svg.empty() ? "<p class=\"failed\">no chart was drawn</p>"
                              : InlineSvg(step.svg, "step" + std::to_string(number) + "-"))
         << "<figcaption>" << EscapeHtml(step.svgFile) << "</figcaption></figure>";
  }
  html << "</li>\n";
}

void WriteRow(std::ostream& html, const std::vector<std::string>& cells, const char* tag) {
  html << "<tr>";
  for (const auto& cell : cells)
    html << "<" << tag << ">" << EscapeHtml(cell) << "</" << tag << ">";
  html << "</tr>\n";
}

void WriteTraces(std::ostream& html, const inspect::TraceTable& traces) {
  html << "<table>\n";
  std::vector<std::string> header{"#"};
  header.insert(header.end(), traces.columns.begin(), traces.columns.end());
  WriteRow(html, header, "th");
  for (std::size_t i = 0; i < traces.rows.size(); ++i) {
    std::vector<std::string> row{std::to_string(i + 1)};
    row.insert(row.end(), traces.rows[i].begin(), traces.rows[i].end());
    WriteRow(html, row, "td");
  }
  html << "</table>\n";
}

void WriteProperties(std::ostream& html, const inspect::ControlInspection& control) {
  html << "<table>\n";
  WriteRow(html, {"key", "type", "value", "default"}, "th");
  for (const auto& row : control.properties) {
    html << "<tr><td>" << EscapeHtml(row.key) << "</td><td>" << inspect::KeyTypeName(row.type)
         << "</td><td class=\"value\">" << EscapeHtml(inspect::ShowValue(row.value)) << "</td><td>"
         << (row.isDefault ? "yes" : "no") << "</td></tr>\n";
  }
  html << "</table>\n";
}

void WriteSaved(std::ostream& html, const DemoResult& result) {
  html << "<h2>The trend as saved in " << kSavedBook << "</h2>\n";
  if (!result.savedError.empty())
    html << "<p class=\"failed\">" << EscapeHtml(result.savedError) << "</p>\n";
  for (const auto& control : result.saved) {
    html << "<h3>" << EscapeHtml(control.name) << " on sheet " << EscapeHtml(control.sheet)
         << ": trace records</h3>\n";
    WriteTraces(html, control.traces);
    html << "<h3>Persisted properties</h3>\n";
    WriteProperties(html, control);
    for (const auto& problem : control.problems)
      html << "<p class=\"failed\">" << EscapeHtml(problem.message) << "</p>\n";
  }
}

void WriteLog(std::ostream& html, const std::vector<std::string>& log) {
  html << "<h2>Error reports logged</h2>\n";
  if (log.empty()) {
    html << "<p>None: the control reported no errors.</p>\n";
    return;
  }
  html << "<pre class=\"log\">";
  for (const auto& line : log) html << EscapeHtml(line) << "\n";
  html << "</pre>\n";
}

}  // namespace

std::string DemoReportHtml(const DemoResult& result) {
  std::ostringstream html;
  html << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
       << "<title>velkor demo</title>\n<style>" << kStyle << "</style>\n</head>\n<body>\n"
       << "<h1>velkor demo: a trend that keeps in step with its workbook</h1>\n"
       << "<p>The wizard add-in and a user at work on the sample workbook Plant.xlsx, against "
          "the demo archive (server srv1), with the virtual clock at "
       << FormatIsoDate(DemoClock()) << ". "
       << (result.Succeeded() ? "<span class=\"ok\">Every step went as expected.</span>"
                              : "<span class=\"failed\">Some steps failed; see below.</span>")
       << "</p>\n<h2>Steps</h2>\n<ol class=\"steps\">\n";
  for (std::size_t i = 0; i < result.steps.size(); ++i) WriteStep(html, result.steps[i], i + 1);
  html << "</ol>\n";
  WriteSaved(html, result);
  WriteLog(html, result.log);
  html << "</body>\n</html>\n";
  return html.str();
}

}  // namespace velkor::sim::demo
