// Worksheet: one sheet of cells, with the OLE objects placed on it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/Object.h"
#include "platform/host/HostFwd.h"

namespace velkor::host {

class Worksheet : public Object {
 public:
  std::string TypeName() const override { return "Worksheet"; }

  virtual std::string Name() const = 0;
  // Raises 1004 for an empty or invalid name or one another sheet of the
  // workbook already has (letter case ignored).
  virtual void SetName(std::string_view name) = 0;
  // The sheet's name in the workbook's code project ("Sheet1"). A sheet added
  // at run time has none ("") until an OLE object is first added to it.
  virtual std::string CodeName() const = 0;
  virtual WorkbookPtr Parent() = 0;
  virtual ApplicationPtr Application() = 0;

  // The cells at an A1 address ("B5", "$B$5:$C$6"); 1004 for text that is
  // no address on a sheet.
  virtual RangePtr Range(const Variant& address) = 0;
  // One cell by 1-based row and column; 1004 outside the sheet.
  virtual RangePtr Cells(std::int32_t row, std::int32_t column) = 0;

  // Both make this the active sheet of its workbook and the workbook the
  // host's active one.
  virtual void Select() = 0;
  virtual void Activate() = 0;

  // Column widths and row heights in points; 1004 for a position outside
  // the sheet or a negative size.
  virtual double ColumnWidth(std::int32_t column) const = 0;
  virtual void SetColumnWidth(std::int32_t column, double points) = 0;
  virtual double RowHeight(std::int32_t row) const = 0;
  virtual void SetRowHeight(std::int32_t row, double points) = 0;

  virtual OLEObjectsPtr OLEObjects() = 0;

  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;
};

}  // namespace velkor::host
