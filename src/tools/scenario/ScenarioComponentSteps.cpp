// The steps a user takes with the stand-in components: picking a chart's
// menu item, choosing points in the next tag-search dialog, and rendering a
// chart to an SVG file in the output folder.
#include <array>
#include <system_error>

#include "control/components/TrendChart.h"
#include "os/linux/AtomicFile.h"
#include "parts/render/RenderSvg.h"
#include "platform/ErrorNumbers.h"
#include "standins/TagSearchDialog.h"
#include "standins/components/ChartView.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/JsonFields.h"
#include "tools/scenario/ScenarioSession.h"
#include "tools/scenario/ScenarioSteps.h"

namespace velkor::sim::scenario {

namespace {

std::shared_ptr<ChartView> ViewOf(ScenarioSession& s, const std::string& name) {
  auto view = std::dynamic_pointer_cast<ChartView>(s.Frame(name)->Object());
  if (!view) Raise(err::kTypeMismatch, "scenario", "'" + name + "' is no trend chart");
  return view;
}

void CheckNamed(const Json& step, const std::string& path, std::string_view verb,
                std::string_view field) {
  json::String(step.at(verb), json::Child(path, verb));
  json::String(json::Required(step, path, field), json::Child(path, field));
}

// Captions are matched exactly, accelerator "&" included, as the chart
// shows them.
void RunMenu(ScenarioSession& s, const Json& step, StepOutcome& out) {
  const std::string chart = step.at("menu").get<std::string>();
  const std::string caption = step.at("item").get<std::string>();
  out.summary = "menu " + chart + " \"" + caption + "\"";
  auto view = ViewOf(s, chart);
  for (const auto& item : view->MenuItems())
    if (item.caption == caption) return view->PickMenuItem(item.id);
  out.failures.push_back("menu: the chart has no item \"" + caption + "\"");
}

void CheckTagSearch(const Json& step, const std::string& path) {
  const std::string at = json::Child(path, "tagSearch");
  const Json& rows = json::Array(step.at("tagSearch"), at);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string rowAt = json::Child(at, i);
    if (json::Array(rows[i], rowAt).size() != 2)
      throw FileFormatError(rowAt, "expected [server, tag]");
    json::String(rows[i][0], json::Child(rowAt, 0));
    json::String(rows[i][1], json::Child(rowAt, 1));
  }
}

void RunTagSearch(ScenarioSession&, const Json& step, StepOutcome& out) {
  std::vector<std::array<std::string, 2>> rows;
  for (const auto& row : step.at("tagSearch"))
    rows.push_back({row[0].get<std::string>(), row[1].get<std::string>()});
  out.summary = "tagSearch " + std::to_string(rows.size()) + " point(s)";
  ScriptTagSearch(std::move(rows));
}

void RunRender(ScenarioSession& s, const Json& step, StepOutcome& out) {
  const std::string chart = step.at("render").get<std::string>();
  const auto file = s.OutputPath(step.at("svg").get<std::string>());
  out.summary = "render " + chart + " to " + file.string();
  const std::string svg = RenderSvg(ViewOf(s, chart)->Picture());
  try {
    WriteFileAtomically(file, svg);
  } catch (const std::system_error& e) {
    Raise(err::kPathFileAccess, "scenario", "cannot write " + file.string() + ": " + e.what());
  }
}

const Verb kComponentVerbs[] = {
    {"menu",
     {"item"},
     [](const Json& j, const std::string& p) { CheckNamed(j, p, "menu", "item"); },
     RunMenu},
    {"tagSearch", {}, CheckTagSearch, RunTagSearch},
    {"render",
     {"svg"},
     [](const Json& j, const std::string& p) { CheckNamed(j, p, "render", "svg"); },
     RunRender},
};

}  // namespace

std::span<const Verb> ComponentVerbs() {
  return kComponentVerbs;
}

}  // namespace velkor::sim::scenario
