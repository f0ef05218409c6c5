// HostDriver: what happens to the stand-in host from outside, as a test or
// the scenario runner would make it happen: workbooks opened, saved and
// closed, sheets and cells activated, objects inserted, cells edited by the
// user or recalculated, the clock advanced. References name cells as the
// host does: "[Book1.xls]Sheet1!A1", "'My Sheet'!B2:C3", "A1"; a missing
// workbook or sheet part means the active one.
//
// Each call runs as an outside event: objects deleted during it are released
// when it returns. An unknown workbook, sheet or address raises 1004 naming
// the reference.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Variant.h"
#include "platform/host/HostFwd.h"

namespace velkor::sim {

class SimApplication;
class SimRange;
class SimWorkbook;
class SimWorksheet;

// One OLE object as ListObjects reports it.
struct ObjectInfo {
  std::string book;
  std::string sheet;
  std::string name;
  std::string progId;
  double left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
};

class HostDriver {
 public:
  explicit HostDriver(std::shared_ptr<SimApplication> app) : app_(std::move(app)) {}

  SimApplication& App() const { return *app_; }

  std::shared_ptr<SimWorkbook> NewWorkbook();
  // Workbooks.Open: loads the file and raises WorkbookOpen.
  std::shared_ptr<SimWorkbook> Open(const std::string& path);
  // Asks the workbook to close (WorkbookBeforeClose may cancel); false when cancelled.
  bool Close(std::string_view bookName);
  // The host asks to close the workbook (WorkbookBeforeClose) and the user
  // then cancels at the save prompt: the workbook stays open.
  void CancelledClose(std::string_view bookName);
  // Saves the workbook to `path`, or to the file it came from when `path` is empty.
  void Save(std::string_view bookName, const std::string& path = {});

  // Activates the workbook and sheet of `reference` and, when it has an
  // address ("Sheet2!B3"), makes that the active cell.
  void Activate(std::string_view reference);
  // Inserts an object of class `progId` on the sheet of `sheetReference`
  // ("Sheet1!" or "[Book1]Sheet1!"; empty: the active sheet).
  host::OLEObjectPtr InsertObject(std::string_view sheetReference, std::string_view progId,
                                  double left, double top, double width, double height);

  // Writes cells without any event (a value fills the range, an array is
  // spread over it).
  void SetCells(std::string_view reference, const Variant& value);
  Variant Cells(std::string_view reference) const;
  // The user types `value` into the cells: they change, then SheetChange.
  void EditCells(std::string_view reference, const Variant& value);
  // SheetChange for cells that changed some other way.
  void RaiseSheetChange(std::string_view reference);
  // SheetCalculate for the sheet of `sheetReference`.
  void RaiseSheetCalculate(std::string_view sheetReference);

  void SetCellEditMode(bool editing);
  void Advance(std::int64_t milliseconds);

  // Every OLE object of every open workbook, sheet by sheet in z-order.
  std::vector<ObjectInfo> ListObjects() const;

  // The cells, or the sheet, a reference names.
  std::shared_ptr<SimRange> ResolveRange(std::string_view reference) const;
  std::shared_ptr<SimWorksheet> ResolveSheet(std::string_view reference) const;
  std::shared_ptr<SimWorkbook> ResolveBook(std::string_view name) const;

 private:
  std::shared_ptr<SimApplication> app_;
};

}  // namespace velkor::sim
