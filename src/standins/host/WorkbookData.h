// WorkbookData: the content of a workbook file as plain values, between the
// JSON text (WorkbookJson.h) and the live stand-in objects.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/Variant.h"
#include "standins/host/CellAddress.h"
#include "standins/host/SimPropertyBag.h"

namespace velkor::sim {

struct CellData {
  std::int32_t row = 1;
  std::int32_t column = 1;
  Variant value;
};

struct OleObjectData {
  std::string progId;
  std::string name;
  double left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  PropertyList properties;  // the object's persisted state
};

struct SheetData {
  std::string name;
  std::string codeName;
  CellArea activeCell;
  std::vector<CellData> cells;                  // non-empty cells, row by row
  std::map<std::int32_t, double> columnWidths;  // only those that differ from the default
  std::map<std::int32_t, double> rowHeights;
  std::vector<OleObjectData> objects;  // z-order
  bool isProtected = false;            // refuses new OLE objects
};

struct WorkbookData {
  std::vector<SheetData> sheets;  // tab order
  std::size_t activeSheet = 0;    // index into sheets
};

}  // namespace velkor::sim
