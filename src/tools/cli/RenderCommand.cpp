// velkor render BOOK.json [--chart NAME] [-o FILE.svg] [--from T --to T]:
// opens a saved workbook as the host would, lets its trend controls
// reconnect, queries the data and draws each trend (or the named one) as SVG.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "control/components/ProgIds.h"
#include "parts/render/RenderSvg.h"
#include "platform/VbError.h"
#include "platform/VbString.h"
#include "standins/SimServices.h"
#include "standins/VirtualNow.h"
#include "standins/components/ChartView.h"
#include "standins/host/FileFormatError.h"
#include "tools/cli/CliFiles.h"
#include "tools/cli/Commands.h"
#include "tools/cli/SessionOptions.h"
#include "tools/scenario/ScenarioSession.h"
#include "tools/scenario/ScenarioSteps.h"

namespace velkor::cli {

namespace {

namespace fs = std::filesystem;
using sim::Json;
using sim::scenario::ScenarioSession;

constexpr const char* kRender = "render";
// The control's reconnection timer fires five seconds after opening.
constexpr int kReconnectMs = 5000;

struct RenderOptions {
  std::string book;
  std::string chart;
  std::string output;
  std::string from, to;
  SessionOptions session;
};

// Runs one scenario step; its failures go to stderr and are counted.
bool Step(ScenarioSession& session, const Json& step, int& failures) {
  const auto outcome = sim::scenario::RunStep(session, step);
  for (const auto& failure : outcome.failures)
    std::cerr << "velkor render: " << outcome.summary << ": " << failure << "\n";
  failures += static_cast<int>(outcome.failures.size());
  return outcome.failures.empty();
}

std::vector<std::string> NamesOf(ScenarioSession& session, std::string_view progId) {
  std::vector<std::string> names;
  for (const auto& object : session.Driver().ListObjects())
    if (object.progId == progId) names.push_back(object.name);
  return names;
}

Json Call(const std::string& control, const char* member, Json args = Json::array()) {
  return Json{{"call", control + "." + member}, {"args", std::move(args)}};
}

Json TimeArgument(const std::string& text) {
  return text.empty() ? Json{{"missing", true}} : Json(text);
}

void Reconnect(ScenarioSession& session, const RenderOptions& options, int& failures) {
  Step(session, Json{{"tick", kReconnectMs}}, failures);
  const bool ranged = !options.from.empty() || !options.to.empty();
  for (const auto& control : NamesOf(session, sim::kExcelTrendWizardProgId)) {
    Step(session, Call(control, "Timer_Connect"), failures);
    if (ranged)
      Step(session,
           Call(control, "ZaltSetTimeRange",
                {true, TimeArgument(options.from), TimeArgument(options.to)}),
           failures);
    Step(session, Call(control, "QueryData", Json::array({Json{{"long", 1}}})), failures);
  }
}

std::vector<std::string> ChartsToDraw(ScenarioSession& session, const RenderOptions& options) {
  const auto charts = NamesOf(session, component::kTrendChartProgId);
  if (charts.empty()) Fail(kRender, options.book + " holds no trend chart", 1);
  if (options.chart.empty()) {
    if (!options.output.empty() && charts.size() > 1)
      Fail(kRender, options.book + " holds " + std::to_string(charts.size()) +
                        " trends; name one with --chart to write it to " + options.output);
    return charts;
  }
  for (const auto& chart : charts)
    if (vb::UCase(chart) == vb::UCase(options.chart)) return {chart};
  std::string known;
  for (const auto& chart : charts) known += (known.empty() ? "" : ", ") + chart;
  Fail(kRender, "no trend chart named '" + options.chart + "' (the workbook has " + known + ")");
}

void Open(ScenarioSession& session, const fs::path& book) {
  try {
    session.Driver().Open(book.string());
  } catch (...) {
    Fail(kRender, CurrentError().description());
  }
}

void CheckTimes(const RenderOptions& options) {
  const DateValue now = sim::VirtualNow();
  std::optional<DateValue> from, to;
  if (!options.from.empty()) from = TimeOption(kRender, "--from", options.from, now);
  if (!options.to.empty()) to = TimeOption(kRender, "--to", options.to, now);
  if (from && to && from->serial > to->serial)
    Fail(kRender, "--from " + options.from + " lies after --to " + options.to);
}

// The SVG file must land in an existing folder, as a file of its own: a
// device or a folder of that name is not replaced.
void CheckOutputFile(const fs::path& file) {
  std::error_code ec;
  if (!fs::is_directory(file.parent_path(), ec))
    Fail(kRender, "cannot write " + file.string() + ": the folder " + file.parent_path().string() +
                      " does not exist");
  const auto status = fs::symlink_status(file, ec);
  if (fs::exists(status) && !fs::is_regular_file(status))
    Fail(kRender, "cannot write " + file.string() + ": it is not a regular file");
}

// A trace without a value in the picture is most often a tag the archive
// does not have, or a time range that misses the data.
void WarnAboutEmptyTraces(const std::string& chart, const sim::TrendPicture& picture) {
  for (const auto& trace : picture.traces) {
    const bool drawn = std::any_of(trace.points.begin(), trace.points.end(),
                                   [](const sim::TracePoint& p) { return std::isfinite(p.value); });
    if (!drawn)
      std::cerr << "velkor render: warning: " << chart << ": trace '" << trace.name
                << "' has no values in the time range (is its tag in the archive?)\n";
  }
}

void Draw(ScenarioSession& session, const std::string& chart, const fs::path& file) {
  std::shared_ptr<sim::ChartView> view;
  try {
    view = std::dynamic_pointer_cast<sim::ChartView>(session.Frame(chart)->Object());
  } catch (...) {
    Fail(kRender, chart + ": " + CurrentError().description(), 1);
  }
  if (!view) Fail(kRender, chart + " is no trend chart", 1);
  const sim::TrendPicture picture = view->Picture();
  WarnAboutEmptyTraces(chart, picture);
  WriteOutputFile(kRender, file, sim::RenderSvg(picture));
  std::cout << file.lexically_normal().string() << "\n";
}

// The default file of a chart: its name made a file name. A name from the
// workbook may hold path separators, which must not lead the file elsewhere.
std::string ChartFileName(const std::string& chart) {
  std::string file = chart;
  std::replace_if(
      file.begin(), file.end(), [](char c) { return c == '/' || c == '\\'; }, '_');
  return file + ".svg";
}

void Render(const RenderOptions& options) {
  auto scenario = SessionScenario(kRender, options.session);
  const fs::path output = options.output.empty() ? fs::path() : fs::absolute(options.output);
  const fs::path folder = output.empty() ? fs::current_path() : output.parent_path();
  if (!output.empty()) CheckOutputFile(output);
  scenario.file = fs::absolute(options.book);
  ScenarioSession session(scenario, folder);
  try {
    session.SetUp(scenario);
  } catch (const sim::FileFormatError& e) {
    Fail(kRender, e.what());
  }
  CheckTimes(options);
  Open(session, scenario.file);
  int failures = 0;
  Reconnect(session, options, failures);
  for (const auto& chart : ChartsToDraw(session, options)) {
    const fs::path file = output.empty() ? folder / ChartFileName(chart) : output;
    CheckOutputFile(file);
    Draw(session, chart, file);
  }
  const auto reports = session.Services().log->Lines();
  for (const auto& report : reports) std::cerr << "velkor render: reported: " << report << "\n";
  if (failures || !reports.empty())
    Fail(kRender,
         std::to_string(failures + static_cast<int>(reports.size())) +
             " problem(s) while rendering; the charts may be incomplete",
         1);
}

}  // namespace

void RegisterRenderCommand(CLI::App& app) {
  auto* command = app.add_subcommand(
      "render",
      "Open a saved workbook, let its trend controls reconnect (5 s of virtual time), query "
      "the data and draw each trend as SVG");
  auto options = std::make_shared<RenderOptions>();
  command->add_option("book", options->book, "Workbook file (JSON, as velkor saves it)")
      ->required();
  command->add_option("--chart", options->chart,
                      "Draw only the trend chart of this name (such as ZaltTrend1_Sheet1)");
  command->add_option("-o,--output", options->output,
                      "SVG file to write (default: CHART.svg in the current folder for each "
                      "trend)");
  command->add_option("--from", options->from,
                      "Start of the time range, a time text such as *-2H or 2026-12-07 04:00 "
                      "(default: the range saved with the trend)");
  command->add_option("--to", options->to, "End of the time range, a time text such as *");
  AddSessionOptions(*command, options->session);
  command->callback([options] { Render(*options); });
}

}  // namespace velkor::cli
