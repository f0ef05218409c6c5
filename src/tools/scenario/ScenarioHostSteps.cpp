// The steps that happen to the host: workbooks opened, saved and closed,
// cells activated and edited, objects inserted, time passing, the user's
// answers and typing.
#include <algorithm>
#include <initializer_list>

#include "platform/Conversions.h"
#include "platform/host/OLEObject.h"
#include "platform/host/OLEObjects.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/JsonFields.h"
#include "standins/host/SheetReference.h"
#include "standins/host/SimWorkbook.h"
#include "standins/host/SimWorksheet.h"
#include "tools/scenario/ScenarioSession.h"
#include "tools/scenario/ScenarioSteps.h"

namespace velkor::sim::scenario {

namespace {

// One step moves the clock by a day at most: every timer due on the way
// fires, so a longer step could keep a run busy for hours.
constexpr double kMaxTickMs = 24.0 * 60 * 60 * 1000;
// Far beyond any sheet, well inside what the host's geometry holds.
constexpr double kMaxPoints = 1e9;

std::string Text(const Json& step, std::string_view key) {
  return step.at(key).get<std::string>();
}

void CheckText(const Json& step, const std::string& path, std::string_view key) {
  json::String(json::Required(step, path, key), json::Child(path, key));
}

void CheckValueField(const Json& step, const std::string& path, std::string_view key) {
  DecodeScenarioValue(json::Required(step, path, key), json::Child(path, key), {});
}

// Rows of values as a 2-D array with 1-based bounds, as the host passes a
// range's values; every row must have the same length.
Variant RowsToArray(const Json& rows, const std::string& path, const ObjectLookup& lookup) {
  const auto width = rows.empty() ? 0 : json::Array(rows[0], json::Child(path, 0)).size();
  if (rows.empty() || width == 0) throw FileFormatError(path, "expected rows of values");
  SafeArray array({1, static_cast<std::int32_t>(rows.size())},
                  {1, static_cast<std::int32_t>(width)});
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string at = json::Child(path, i);
    if (json::Array(rows[i], at).size() != width)
      throw FileFormatError(at, "rows differ in length");
    for (std::size_t j = 0; j < width; ++j)
      array.at(static_cast<std::int32_t>(i + 1), static_cast<std::int32_t>(j + 1)) =
          DecodeScenarioValue(rows[i][j], json::Child(at, j), lookup);
  }
  return Variant(std::move(array));
}

// --- open, close, save ---

void CheckOpen(const Json& step, const std::string& path) {
  const std::string at = json::Child(path, "open");
  if (step.at("open").is_string())
    json::String(step.at("open"), at);
  else
    ParseWorkbookSetup(step.at("open"), at);
}

void RunOpen(ScenarioSession& s, const Json& step, StepOutcome& out) {
  const Json& what = step.at("open");
  if (what.is_string()) {
    auto book = s.Driver().Open(s.InputPath(what.get<std::string>()).string());
    out.summary = "open " + book->Name();
    return;
  }
  s.AddWorkbook(ParseWorkbookSetup(what, "/open"), "/open");
  auto book = s.App().ActiveBook();
  if (s.App().EnableEvents()) s.App().WorkbookOpen.Raise(book);
  out.summary = "open " + book->Name() + " (new)";
}

void RunClose(ScenarioSession& s, const Json& step, StepOutcome& out) {
  const std::string name = Text(step, "close");
  if (step.value("cancel", false)) {
    s.Driver().CancelledClose(name);
    out.summary = "close " + name + " (cancelled by the user)";
    return;
  }
  out.summary = "close " + name + (s.Driver().Close(name) ? "" : " (cancelled)");
}

void RunSave(ScenarioSession& s, const Json& step, StepOutcome& out) {
  const std::string name = Text(step, "save");
  const auto target =
      step.contains("to") ? s.OutputPath(Text(step, "to")) : std::filesystem::path();
  // Saving where the workbook came from is writing a file like any other.
  if (target.empty() && !s.Driver().ResolveBook(name)->Path().empty())
    s.RequireInOutputFolder(s.Driver().ResolveBook(name)->Path());
  s.Driver().Save(name, target.string());
  out.summary = "save " + name + (target.empty() ? "" : " to " + target.string());
}

// --- activate, insert ---

void RunActivate(ScenarioSession& s, const Json& step, StepOutcome& out) {
  // "[Book]" alone makes that workbook active with the sheet it had active;
  // "[Book]Sheet" names no cell, but the host's reference syntax wants its "!".
  const std::string reference = Text(step, "activate");
  const auto book = reference.starts_with('[') ? reference.find(']') : std::string::npos;
  if (book != std::string::npos && book + 1 == reference.size())
    s.Driver().ResolveBook(reference.substr(1, book - 1))->Activate();
  else
    s.Driver().Activate(book != std::string::npos && reference.find('!') == std::string::npos
                            ? reference + '!'
                            : reference);
  out.summary = "activate " + Text(step, "activate");
}

void CheckInsert(const Json& step, const std::string& path) {
  const std::string at = json::Child(path, "insert");
  const Json& insert = json::Object(step.at("insert"), at);
  CheckText(insert, at, "class");
  for (const char* key : {"sheet", "name"})
    if (const Json* v = json::Optional(insert, key)) json::String(*v, json::Child(at, key));
  for (const char* key : {"left", "top", "width", "height"})
    if (const Json* v = json::Optional(insert, key))
      json::Number(*v, json::Child(at, key), -kMaxPoints, kMaxPoints);
}

// OLEObjects.Add as the user's insertion does it; a name given is the one
// the user types into the name box right after.
void RunInsert(ScenarioSession& s, const Json& step, StepOutcome& out) {
  const Json& insert = step.at("insert");
  auto geometry = [&](const char* key) {
    return insert.contains(key) ? Variant(insert.at(key).get<double>()) : Variant::Missing();
  };
  std::string sheetName = insert.value("sheet", std::string());
  auto sheet = sheetName.empty() ? s.Driver().ResolveSheet("")
                                 : s.Driver().ResolveSheet(QuoteSheetName(sheetName) + "!A1");
  auto frame = sheet->OLEObjects()->Add(Text(insert, "class"), geometry("left"), geometry("top"),
                                        geometry("width"), geometry("height"));
  if (insert.contains("name")) frame->SetName(Text(insert, "name"));
  out.summary = "insert " + frame->Name() + " on " + sheet->Name();
}

// --- edit, calculate ---

void CheckEdit(const Json& step, const std::string& path) {
  CheckText(step, path, "edit");
  const bool one = step.contains("value"), many = step.contains("values");
  if (one == many) throw FileFormatError(path, "an edit needs either \"value\" or \"values\"");
  if (one) CheckValueField(step, path, "value");
  if (many)
    RowsToArray(json::Array(step.at("values"), json::Child(path, "values")),
                json::Child(path, "values"), {});
}

void RunEdit(ScenarioSession& s, const Json& step, StepOutcome& out) {
  const auto lookup = s.Lookup();
  Variant value = step.contains("value") ? DecodeScenarioValue(step.at("value"), "", lookup)
                                         : RowsToArray(step.at("values"), "", lookup);
  s.Driver().EditCells(Text(step, "edit"), value);
  out.summary = "edit " + Text(step, "edit");
}

void CheckCalculate(const Json& step, const std::string& path) {
  CheckText(step, path, "calculate");
  if (const Json* values = json::Optional(step, "values")) {
    const std::string at = json::Child(path, "values");
    for (const auto& [address, value] : json::Object(*values, at).items())
      DecodeScenarioValue(value, json::Child(at, address), {});
  }
}

void RunCalculate(ScenarioSession& s, const Json& step, StepOutcome& out) {
  const std::string sheet = QuoteSheetName(Text(step, "calculate"));
  if (step.contains("values"))
    for (const auto& [address, value] : step.at("values").items())
      s.Driver().SetCells(sheet + "!" + address, DecodeScenarioValue(value, "", s.Lookup()));
  s.Driver().RaiseSheetCalculate(sheet + "!A1");
  out.summary = "calculate " + Text(step, "calculate");
}

// --- tick, answer, cellEditMode ---

void RunTick(ScenarioSession& s, const Json& step, StepOutcome& out) {
  const auto ms = static_cast<std::int64_t>(step.at("tick").get<double>());
  s.Driver().Advance(ms);
  out.summary = "tick " + std::to_string(ms) + " ms";
}

void CheckAnswer(const Json& step, const std::string& path) {
  const std::string at = json::Child(path, "answer");
  const Json& answers = json::Array(step.at("answer"), at);
  for (std::size_t i = 0; i < answers.size(); ++i) json::Long(answers[i], json::Child(at, i), 1);
}

void RunAnswer(ScenarioSession& s, const Json& step, StepOutcome& out) {
  for (const auto& answer : step.at("answer"))
    s.Services().messageBox->QueueAnswers({static_cast<std::int32_t>(answer.get<double>())});
  out.summary = "answer " + step.at("answer").dump();
}

void RunCellEditMode(ScenarioSession& s, const Json& step, StepOutcome& out) {
  s.Driver().SetCellEditMode(step.at("cellEditMode").get<bool>());
  out.summary = std::string("cellEditMode ") + (step.at("cellEditMode").get<bool>() ? "on" : "off");
}

const Verb kHostVerbs[] = {
    {"open", {}, CheckOpen, RunOpen},
    {"close",
     {"cancel"},
     [](const Json& j, const std::string& p) {
       CheckText(j, p, "close");
       if (j.contains("cancel")) json::Boolean(j.at("cancel"), json::Child(p, "cancel"));
     },
     RunClose},
    {"save",
     {"to"},
     [](const Json& j, const std::string& p) {
       CheckText(j, p, "save");
       if (j.contains("to")) CheckText(j, p, "to");
     },
     RunSave},
    {"activate",
     {},
     [](const Json& j, const std::string& p) { CheckText(j, p, "activate"); },
     RunActivate},
    {"insert", {}, CheckInsert, RunInsert},
    {"edit", {"value", "values"}, CheckEdit, RunEdit},
    {"calculate", {"values"}, CheckCalculate, RunCalculate},
    {"tick",
     {},
     [](const Json& j, const std::string& p) {
       json::Number(j.at("tick"), json::Child(p, "tick"), 0, kMaxTickMs);
     },
     RunTick},
    {"answer", {}, CheckAnswer, RunAnswer},
    {"cellEditMode",
     {},
     [](const Json& j, const std::string& p) {
       json::Boolean(j.at("cellEditMode"), json::Child(p, "cellEditMode"));
     },
     RunCellEditMode},
};

}  // namespace

std::span<const Verb> HostVerbs() {
  return kHostVerbs;
}

}  // namespace velkor::sim::scenario
