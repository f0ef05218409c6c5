#include <nlohmann/json.hpp>

#include "platform/ErrorNumbers.h"
#include "standins/host/JsonText.h"
#include "standins/host/VariantJson.h"
#include "standins/host/WorkbookJson.h"

namespace velkor::sim {

namespace {

std::string CellKey(const CellData& cell) {
  return ColumnLetters(cell.column) + std::to_string(cell.row);
}

Json Sizes(const std::map<std::int32_t, double>& sizes, bool columns) {
  Json out = Json::object();
  for (const auto& [index, points] : sizes)
    json::Append(out, columns ? ColumnLetters(index) : std::to_string(index), points);
  return out;
}

Json Properties(const PropertyList& properties) {
  Json out = Json::object();
  for (const auto& [name, value] : properties) json::Append(out, name, EncodeValue(value));
  return out;
}

Json Object(const OleObjectData& object) {
  return Json{{"progId", object.progId},   {"name", object.name},
              {"left", object.left},       {"top", object.top},
              {"width", object.width},     {"height", object.height},
              {"visible", object.visible}, {"properties", Properties(object.properties)}};
}

Json Sheet(const SheetData& sheet) {
  Json cells = Json::object();
  for (const auto& cell : sheet.cells) json::Append(cells, CellKey(cell), EncodeValue(cell.value));
  Json objects = Json::array();
  for (const auto& object : sheet.objects) objects.push_back(Object(object));
  Json out{{"name", sheet.name},
           {"codeName", sheet.codeName},
           {"activeCell", AbsoluteAddress(sheet.activeCell)},
           {"columnWidths", Sizes(sheet.columnWidths, true)},
           {"rowHeights", Sizes(sheet.rowHeights, false)},
           {"cells", std::move(cells)},
           {"oleObjects", std::move(objects)}};
  if (sheet.isProtected) out["protected"] = true;
  return out;
}

}  // namespace

std::string WriteWorkbookJson(const WorkbookData& data) {
  Json sheets = Json::array();
  for (const auto& sheet : data.sheets) sheets.push_back(Sheet(sheet));
  Json root{{"format", kWorkbookFormatName},
            {"version", kWorkbookFormatVersion},
            {"activeSheet", data.sheets.at(data.activeSheet).name},
            {"sheets", std::move(sheets)}};
  try {
    return root.dump(2) + "\n";
  } catch (const nlohmann::json::type_error& e) {
    Raise(err::kAppDefined, {}, std::string("text that is not valid UTF-8: ") + e.what());
  }
}

}  // namespace velkor::sim
