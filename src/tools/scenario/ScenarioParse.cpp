// Reading a scenario file: the set-up keys into their values, every step
// checked by its verb (ScenarioSteps.h) before anything runs.
#include <algorithm>
#include <iterator>
#include <system_error>

#include "os/linux/AtomicFile.h"
#include "parts/time/IsoDate.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/JsonFields.h"
#include "standins/host/JsonText.h"
#include "tools/scenario/Scenario.h"
#include "tools/scenario/ScenarioArchive.h"
#include "tools/scenario/ScenarioSteps.h"
#include "tools/scenario/ScenarioValue.h"

namespace velkor::sim::scenario {

namespace {

const char* const kTopLevelKeys[] = {"clock",     "hostLanguage", "archive",
                                     "workbooks", "active",       "steps"};

std::string OptionalText(const Json& object, const std::string& path, std::string_view key) {
  const Json* value = json::Optional(object, key);
  return value ? json::String(*value, json::Child(path, key)) : std::string();
}

SheetSetup ParseSheet(const Json& json, const std::string& path) {
  json::Object(json, path);
  SheetSetup sheet{json::String(json::Required(json, path, "name"), json::Child(path, "name")),
                   OptionalText(json, path, "codeName"), Json::object()};
  if (const Json* locked = json::Optional(json, "protected"))
    sheet.isProtected = json::Boolean(*locked, json::Child(path, "protected"));
  if (const Json* cells = json::Optional(json, "cells")) {
    const std::string at = json::Child(path, "cells");
    sheet.cells = json::Object(*cells, at);
    for (const auto& [address, value] : cells->items())
      DecodeScenarioValue(value, json::Child(at, address), {});
  }
  return sheet;
}

}  // namespace

WorkbookSetup ParseWorkbookSetup(const Json& json, const std::string& path) {
  json::Object(json, path);
  WorkbookSetup book{json::String(json::Required(json, path, "name"), json::Child(path, "name")),
                     {}};
  const std::string at = json::Child(path, "sheets");
  const Json& sheets = json::Array(json::Required(json, path, "sheets"), at);
  for (std::size_t i = 0; i < sheets.size(); ++i)
    book.sheets.push_back(ParseSheet(sheets[i], json::Child(at, i)));
  return book;
}

namespace {

ActiveSetup ParseActive(const Json& json, const std::string& path) {
  json::Object(json, path);
  return {OptionalText(json, path, "workbook"), OptionalText(json, path, "sheet"),
          OptionalText(json, path, "cell")};
}

void RejectUnknownKeys(const Json& root) {
  for (const auto& [key, value] : root.items())
    if (std::find(std::begin(kTopLevelKeys), std::end(kTopLevelKeys), key) ==
        std::end(kTopLevelKeys))
      throw FileFormatError(json::Child("", key), "unknown key");
}

void ParseSetUp(const Json& root, Scenario& out) {
  if (const Json* clock = json::Optional(root, "clock")) {
    out.clock = ParseIsoDate(json::String(*clock, "/clock"));
    if (!out.clock) throw FileFormatError("/clock", "expected a date as \"YYYY-MM-DDTHH:MM:SS\"");
  }
  if (const Json* language = json::Optional(root, "hostLanguage"))
    out.hostLanguage = json::Long(*language, "/hostLanguage", 1);
  if (const Json* archive = json::Optional(root, "archive"))
    out.archive = ParseArchiveSetup(*archive, "/archive");
  if (const Json* books = json::Optional(root, "workbooks"))
    for (std::size_t i = 0; i < json::Array(*books, "/workbooks").size(); ++i)
      out.workbooks.push_back(ParseWorkbookSetup((*books)[i], json::Child("/workbooks", i)));
  if (const Json* active = json::Optional(root, "active"))
    out.active = ParseActive(*active, "/active");
}

}  // namespace

Scenario ParseScenario(std::string_view text, const std::filesystem::path& file) {
  const Json root = json::Parse(text);
  json::Object(root, "");
  RejectUnknownKeys(root);
  Scenario out;
  out.file = file;
  ParseSetUp(root, out);
  out.steps = json::Array(json::Required(root, "", "steps"), "/steps");
  for (std::size_t i = 0; i < out.steps.size(); ++i)
    CheckStep(out.steps[i], json::Child("/steps", i));
  return out;
}

Scenario ReadScenarioFile(const std::filesystem::path& file) {
  std::string text;
  try {
    text = ReadWholeFile(file);
  } catch (const std::system_error& e) {
    throw FileFormatError("", "cannot read it: " + e.code().message());
  }
  return ParseScenario(text, file);
}

std::string DescribePlace(const std::string& path) {
  const std::string prefix = "/steps/";
  if (path.empty()) return "the file";
  if (path.front() != '/') return path;  // a byte offset
  if (path.rfind(prefix, 0) != 0) return "field " + path.substr(1);
  const auto end = path.find('/', prefix.size());
  const std::string index = path.substr(prefix.size(), end - prefix.size());
  std::string place = "step " + std::to_string(std::stoul(index) + 1);
  if (end != std::string::npos) place += ", field " + path.substr(end + 1);
  return place;
}

}  // namespace velkor::sim::scenario
