#include <algorithm>
#include <charconv>
#include <unordered_set>

#include "platform/VbString.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/JsonFields.h"
#include "standins/host/JsonText.h"
#include "standins/host/SheetNames.h"
#include "standins/host/WorkbookJson.h"

namespace velkor::sim {

namespace {

using json::Child;

template <class Items, class NameOf>
void RequireUnique(const Items& items, NameOf nameOf, const std::string& path, const char* field,
                   const char* what) {
  std::unordered_set<std::string> seen;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::string& name = nameOf(items[i]);
    if (!name.empty() && !seen.insert(vb::FoldKey(name)).second)
      throw FileFormatError(Child(Child(path, i), field),
                            std::string("duplicate ") + what + " \"" + name + "\"");
  }
}

void CheckHeader(const Json& root) {
  json::Object(root, "");
  if (json::String(json::Required(root, "", "format"), "/format") != kWorkbookFormatName)
    throw FileFormatError("/format", std::string("expected \"") + kWorkbookFormatName + "\"");
  const Json& version = json::Required(root, "", "version");
  if (!version.is_number_integer() || version.get<std::int64_t>() < 1)
    throw FileFormatError("/version", "expected a version number");
  if (version.get<std::int64_t>() > kWorkbookFormatVersion)
    throw FileFormatError("/version", "version " + version.dump() +
                                          " is newer than this program reads (up to " +
                                          std::to_string(kWorkbookFormatVersion) + ")");
}

CellArea SingleCell(const std::string& address, const std::string& path) {
  auto ref = ParseA1(address);
  if (!ref || !ref->Area().IsSingleCell()) throw FileFormatError(path, "expected a cell address");
  return ref->Area();
}

std::int32_t RowNumber(const std::string& key, const std::string& path) {
  std::int32_t row = 0;
  auto [end, ec] = std::from_chars(key.data(), key.data() + key.size(), row);
  if (ec != std::errc() || end != key.data() + key.size() || !IsValidCell(row, 1))
    throw FileFormatError(path, "expected a row number");
  return row;
}

std::map<std::int32_t, double> Sizes(const Json* j, const std::string& path, bool columns) {
  std::map<std::int32_t, double> out;
  if (!j) return out;
  for (const auto& [key, value] : json::Object(*j, path).items()) {
    const std::string at = Child(path, key);
    auto column = ParseColumnLetters(key);
    if (columns && !column) throw FileFormatError(at, "expected column letters");
    out[columns ? *column : RowNumber(key, at)] = json::Number(value, at, 0);
  }
  return out;
}

std::vector<CellData> Cells(const Json* j, const std::string& path) {
  std::vector<CellData> out;
  if (!j) return out;
  for (const auto& [key, value] : json::Object(*j, path).items()) {
    const std::string at = Child(path, key);
    CellArea cell = SingleCell(key, at);
    out.push_back({cell.top, cell.left, DecodeValue(value, at)});
  }
  return out;
}

PropertyList Properties(const Json* j, const std::string& path) {
  PropertyList out;
  if (!j) return out;
  if (json::Object(*j, path).size() > kMaxObjectProperties)
    throw FileFormatError(
        path, "more than " + std::to_string(kMaxObjectProperties) + " properties in one object");
  for (const auto& [key, value] : j->items())
    out.emplace_back(key, DecodeValue(value, Child(path, key)));
  return out;
}

OleObjectData OleObject(const Json& j, const std::string& path) {
  json::Object(j, path);
  auto number = [&](const char* key) {
    return json::Number(json::Required(j, path, key), Child(path, key), 0);
  };
  OleObjectData out;
  out.progId = json::String(json::Required(j, path, "progId"), Child(path, "progId"));
  out.name = json::String(json::Required(j, path, "name"), Child(path, "name"));
  if (out.progId.empty()) throw FileFormatError(Child(path, "progId"), "empty ProgID");
  if (out.name.empty()) throw FileFormatError(Child(path, "name"), "empty name");
  out.left = number("left");
  out.top = number("top");
  out.width = number("width");
  out.height = number("height");
  if (const Json* v = json::Optional(j, "visible"))
    out.visible = json::Boolean(*v, Child(path, "visible"));
  out.properties = Properties(json::Optional(j, "properties"), Child(path, "properties"));
  return out;
}

SheetData Sheet(const Json& j, const std::string& path) {
  json::Object(j, path);
  SheetData out;
  out.name = json::String(json::Required(j, path, "name"), Child(path, "name"));
  if (!IsValidSheetName(out.name)) throw FileFormatError(Child(path, "name"), "invalid sheet name");
  if (const Json* v = json::Optional(j, "codeName"))
    out.codeName = json::String(*v, Child(path, "codeName"));
  if (const Json* v = json::Optional(j, "activeCell"))
    out.activeCell =
        SingleCell(json::String(*v, Child(path, "activeCell")), Child(path, "activeCell"));
  if (const Json* v = json::Optional(j, "protected"))
    out.isProtected = json::Boolean(*v, Child(path, "protected"));
  out.columnWidths = Sizes(json::Optional(j, "columnWidths"), Child(path, "columnWidths"), true);
  out.rowHeights = Sizes(json::Optional(j, "rowHeights"), Child(path, "rowHeights"), false);
  out.cells = Cells(json::Optional(j, "cells"), Child(path, "cells"));
  if (const Json* objects = json::Optional(j, "oleObjects")) {
    const std::string at = Child(path, "oleObjects");
    for (std::size_t i = 0; i < json::Array(*objects, at).size(); ++i)
      out.objects.push_back(OleObject((*objects)[i], Child(at, i)));
    RequireUnique(
        out.objects, [](const OleObjectData& o) -> const std::string& { return o.name; }, at,
        "name", "object name");
  }
  return out;
}

std::size_t ActiveSheet(const Json& root, const std::vector<SheetData>& sheets) {
  const Json* active = json::Optional(root, "activeSheet");
  if (!active) return 0;
  std::string name = json::String(*active, "/activeSheet");
  auto it = std::find_if(sheets.begin(), sheets.end(),
                         [&](const SheetData& s) { return vb::EqualsText(s.name, name); });
  if (it == sheets.end()) throw FileFormatError("/activeSheet", "no sheet \"" + name + "\"");
  return static_cast<std::size_t>(it - sheets.begin());
}

}  // namespace

WorkbookData ReadWorkbookJson(std::string_view text) {
  const Json root = json::Parse(text);
  CheckHeader(root);
  const Json& sheets = json::Array(json::Required(root, "", "sheets"), "/sheets");
  if (sheets.empty()) throw FileFormatError("/sheets", "a workbook needs at least one sheet");
  WorkbookData data;
  for (std::size_t i = 0; i < sheets.size(); ++i)
    data.sheets.push_back(Sheet(sheets[i], Child("/sheets", i)));
  RequireUnique(
      data.sheets, [](const SheetData& s) -> const std::string& { return s.name; }, "/sheets",
      "name", "sheet name");
  RequireUnique(
      data.sheets, [](const SheetData& s) -> const std::string& { return s.codeName; }, "/sheets",
      "codeName", "code name");
  data.activeSheet = ActiveSheet(root, data.sheets);
  return data;
}

}  // namespace velkor::sim
