// SimWorksheet: a sheet of the stand-in host: cells holding Variants, column
// widths and row heights, the active cell and the OLE objects on it.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/host/Worksheet.h"
#include "standins/host/AxisSizes.h"
#include "standins/host/CellAddress.h"
#include "standins/host/SimPropertyBag.h"

namespace velkor::sim {

class SimApplication;
class SimWorkbook;
class SimOLEObject;
class SimRange;

// The size of an OLE object added without one, in points.
inline constexpr double kDefaultObjectSize = 96.0;

// Where and how large an OLE object is, in points.
struct ObjectGeometry {
  double left = 0, top = 0, width = 0, height = 0;
};

class SimWorksheet : public host::Worksheet {
 public:
  SimWorksheet(std::weak_ptr<SimWorkbook> book, std::string name, std::string codeName);

  // host::Worksheet
  std::string Name() const override { return name_; }
  void SetName(std::string_view name) override;
  std::string CodeName() const override { return codeName_; }
  host::WorkbookPtr Parent() override;
  host::ApplicationPtr Application() override;
  host::RangePtr Range(const Variant& address) override;
  host::RangePtr Cells(std::int32_t row, std::int32_t column) override;
  void Select() override { Activate(); }
  void Activate() override;
  double ColumnWidth(std::int32_t column) const override;
  void SetColumnWidth(std::int32_t column, double points) override;
  double RowHeight(std::int32_t row) const override;
  void SetRowHeight(std::int32_t row, double points) override;
  host::OLEObjectsPtr OLEObjects() override;

  std::shared_ptr<SimWorkbook> Book() const { return book_.lock(); }
  std::shared_ptr<SimApplication> App() const;
  std::shared_ptr<SimWorksheet> Self();
  std::shared_ptr<SimRange> RangeAt(const CellArea& area);
  void SetCodeName(std::string codeName) { codeName_ = std::move(codeName); }
  // A protected sheet refuses OLEObjects.Add with 1004; objects loaded with
  // its workbook still arrive.
  bool IsProtected() const { return protected_; }
  void SetProtected(bool isProtected) { protected_ = isProtected; }

  // Cells, without events. Numbers are stored as Double, as the host stores
  // them; Empty, Null and "" clear the cell; an object or array raises 13.
  Variant CellValue(std::int32_t row, std::int32_t column) const;
  void SetCellValue(std::int32_t row, std::int32_t column, const Variant& value);
  const std::map<std::pair<std::int32_t, std::int32_t>, Variant>& CellMap() const { return cells_; }

  const AxisSizes& Columns() const { return columns_; }
  const AxisSizes& Rows() const { return rows_; }
  const CellArea& ActiveCellArea() const { return activeCell_; }
  void SetActiveCell(const CellArea& cell) { activeCell_ = cell; }

  // The OLE objects in z-order.
  const std::vector<std::shared_ptr<SimOLEObject>>& Objects() const { return objects_; }
  std::shared_ptr<SimOLEObject> FindObject(std::string_view name) const;  // letter case ignored
  // Creates the object through os::CreateObject and embeds it; `saved` is
  // the persisted state of an object being loaded, nullptr for a new one.
  // An empty name takes the host's default ("ExcelTrendWizard1").
  std::shared_ptr<SimOLEObject> AddObject(std::string_view progId, const ObjectGeometry& geometry,
                                          std::string name, const PropertyList* saved);
  // Takes a deleted object out of the z-order.
  void RemoveObject(const SimOLEObject& object);
  bool IsObjectNameTaken(std::string_view name, const SimOLEObject* except) const;
  // Called by an object of the sheet before it takes `newName`.
  void RenamingObject(const SimOLEObject& object, std::string_view newName);

 private:
  std::string DefaultObjectName(std::string_view progId) const;
  void MarkDirty() const;

  std::weak_ptr<SimWorkbook> book_;
  std::string name_;
  std::string codeName_;
  std::map<std::pair<std::int32_t, std::int32_t>, Variant> cells_;  // (row, column)
  AxisSizes columns_;
  AxisSizes rows_;
  CellArea activeCell_;
  std::vector<std::shared_ptr<SimOLEObject>> objects_;
  // The objects by name (letter case ignored): a sheet of many objects
  // opens without comparing every pair of names.
  std::unordered_map<std::string, std::shared_ptr<SimOLEObject>> objectsByName_;
  bool protected_ = false;
};

}  // namespace velkor::sim
