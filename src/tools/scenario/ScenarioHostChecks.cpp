// The expect keys that look at the host and the services around it: message
// boxes, error reports, macro runs, OLE objects, cells, the active sheet and
// a control's trace descriptions.
#include <cmath>

#include "model/TraceFields.h"
#include "model/TraceInfoXml.h"
#include "model/Traces.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/JsonFields.h"
#include "standins/host/SimWorkbook.h"
#include "standins/host/SimWorksheet.h"
#include "tools/scenario/ScenarioExpect.h"
#include "tools/scenario/ScenarioSession.h"

namespace velkor::sim::scenario {

namespace {

void CheckArray(const Json& expected, const std::string& path) {
  json::Array(expected, path);
}

// --- messages, log, macros: what happened since the previous check ---

void RunMessages(ScenarioSession& s, const Json& expected, StepOutcome& out) {
  const auto& shown = s.Services().messageBox->Shown();
  Json actual = Json::array();
  for (std::size_t i = s.messagesSeen; i < shown.size(); ++i)
    actual.push_back(
        {{"prompt", shown[i].text}, {"title", shown[i].title}, {"flags", shown[i].type}});
  s.messagesSeen = shown.size();
  ExpectJson(out, "messages", expected, actual);
}

void RunLog(ScenarioSession& s, const Json& expected, StepOutcome& out) {
  const auto lines = s.Services().log->Lines();
  Json actual = Json::array();
  for (std::size_t i = s.logSeen; i < lines.size(); ++i) actual.push_back(lines[i]);
  s.logSeen = lines.size();
  ExpectJson(out, "log", expected, actual);
}

void RunMacros(ScenarioSession& s, const Json& expected, StepOutcome& out) {
  const auto& calls = s.AddIn().Calls();
  Json actual = Json::array();
  for (std::size_t i = s.macrosSeen; i < calls.size(); ++i) {
    Json args = Json::array();
    for (const auto& arg : calls[i].args) args.push_back(EncodeScenarioValue(arg));
    actual.push_back({{"name", calls[i].name}, {"args", args}});
  }
  s.macrosSeen = calls.size();
  ExpectJson(out, "macros", expected, actual);
}

// --- objects, geometry ---

// "Sheet1" on the active workbook or "[Book1]Sheet1".
std::shared_ptr<SimWorksheet> SheetByKey(ScenarioSession& s, const std::string& key) {
  std::string book, sheet = key;
  if (key.size() > 1 && key.front() == '[' && key.find(']') != std::string::npos) {
    book = key.substr(1, key.find(']') - 1);
    sheet = key.substr(key.find(']') + 1);
  }
  auto found = s.Driver().ResolveBook(book)->FindSheet(sheet);
  if (!found) Raise(err::kAppDefined, "scenario", "no sheet '" + key + "'");
  return found;
}

void RunObjects(ScenarioSession& s, const Json& expected, StepOutcome& out) {
  for (const auto& [key, names] : expected.items()) {
    Json actual = Json::array();
    for (const auto& frame : SheetByKey(s, key)->Objects()) actual.push_back(frame->RawName());
    ExpectJson(out, "objects " + key, names, actual);
  }
}

void RunGeometry(ScenarioSession& s, const Json& expected, StepOutcome& out) {
  for (const auto& [name, wanted] : expected.items()) {
    const auto& g = s.Frame(name)->Geometry();
    const Json actual{{"left", g.left}, {"top", g.top}, {"width", g.width}, {"height", g.height}};
    for (const auto& [field, value] : wanted.items())
      if (!actual.contains(field) ||
          std::fabs(value.get<double>() - actual.at(field).get<double>()) > 0.01)
        out.failures.push_back("geometry " + name + ": expected " + wanted.dump() + ", actual " +
                               actual.dump());
  }
}

void CheckGeometry(const Json& expected, const std::string& path) {
  CheckEachMember(expected, path, "object");
  for (const auto& [name, wanted] : expected.items())
    for (const auto& [field, value] : wanted.items()) {
      const std::string at = json::Child(json::Child(path, name), field);
      if (field != "left" && field != "top" && field != "width" && field != "height")
        throw FileFormatError(at, "expected left, top, width or height");
      json::Number(value, at, -1e9);
    }
}

// --- cells, activeSheet ---

void CheckCells(const Json& expected, const std::string& path) {
  for (const auto& [reference, value] : json::Object(expected, path).items())
    DecodeScenarioValue(value, json::Child(path, reference), {});
}

void RunCells(ScenarioSession& s, const Json& expected, StepOutcome& out) {
  for (const auto& [reference, value] : expected.items()) {
    const Variant actual = s.Driver().Cells(reference);
    if (!ValueMatches(value, actual, s.Lookup()))
      out.failures.push_back("cells " + reference + ": expected " + value.dump() + ", actual " +
                             EncodeScenarioValue(actual).dump());
  }
}

void RunActiveSheet(ScenarioSession& s, const Json& expected, StepOutcome& out) {
  auto sheet = s.App().ActiveSheet();
  ExpectJson(out, "activeSheet", expected, sheet ? Json(sheet->Name()) : Json(nullptr));
}

// --- traceInfo ---

// The control's TraceInfo read as the control reads it; gTraces is the
// thread's working array, so it is put back as it was.
std::vector<TraceOrder> ParsedTraceInfo(ScenarioSession& s, const std::string& name) {
  std::vector<Variant> none;
  const std::string xml =
      CStr(s.Frame(name)->Object()->Invoke("TraceInfo", InvokeKind::PropertyGet, none));
  const auto saved = gTraces;
  const ParseOutcome outcome = ReadXML(xml);
  std::vector<TraceOrder> records(gTraces.begin() + (gTraces.empty() ? 0 : 1), gTraces.end());
  gTraces = saved;
  if (outcome != ParseOutcome::Complete)
    Raise(err::kAppDefined, "scenario", "the TraceInfo of '" + name + "' does not read cleanly");
  return records;
}

Json RecordJson(const TraceOrder& record) {
  Json out = Json::object();
  for (const auto& field : TraceFieldsInLayoutOrder()) {
    const std::string text = FieldText(record, field);
    if (std::holds_alternative<std::int16_t TraceOrder::*>(field.member))
      out[std::string(field.name)] = std::stoi(text);
    else
      out[std::string(field.name)] = text;
  }
  return out;
}

void CheckTraceInfo(const Json& expected, const std::string& path) {
  CheckEachMember(expected, path, "array");
  for (const auto& [name, records] : expected.items())
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string at = json::Child(json::Child(path, name), i);
      for (const auto& [field, value] : json::Object(records[i], at).items())
        if (!FindTraceField(field))
          throw FileFormatError(json::Child(at, field), "no such trace field");
    }
}

void RunTraceInfo(ScenarioSession& s, const Json& expected, StepOutcome& out) {
  for (const auto& [name, records] : expected.items()) {
    Json actual = Json::array();
    for (const auto& record : ParsedTraceInfo(s, name)) actual.push_back(RecordJson(record));
    ExpectJson(out, "traceInfo " + name, records, actual);
  }
}

const ExpectKey kHostExpectKeys[] = {
    {"messages", CheckArray, RunMessages},
    {"log", CheckArray, RunLog},
    {"macros", CheckArray, RunMacros},
    {"objects", [](const Json& j, const std::string& p) { CheckEachMember(j, p, "array"); },
     RunObjects},
    {"geometry", CheckGeometry, RunGeometry},
    {"cells", CheckCells, RunCells},
    {"activeSheet", [](const Json& j, const std::string& p) { json::String(j, p); },
     RunActiveSheet},
    {"traceInfo", CheckTraceInfo, RunTraceInfo},
};

}  // namespace

std::span<const ExpectKey> HostExpectKeys() {
  return kHostExpectKeys;
}

}  // namespace velkor::sim::scenario
