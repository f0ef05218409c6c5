// Which stored cell references an event follows. A sheet change follows the
// cells inside the edited range, a recalculation the cells on the calculated
// sheet, a workbook opening the cells in the opened workbook; the trace and
// time-range steps are the same for all three and ask their scope.
#pragma once

#include <memory>
#include <string>

#include "platform/Variant.h"
#include "platform/host/HostFwd.h"

namespace velkor {

class ExcelTrendWizard;

struct CellRead {
  enum class Kind {
    NotFollowed,  // the reference lies outside the event: nothing read, no flag set
    Invalid,      // the reference names a worksheet that does not exist
    Value,
  };
  Kind kind = Kind::NotFollowed;
  Variant value;

  bool HasValue() const { return kind == Kind::Value; }
};

class CellScope {
 public:
  virtual ~CellScope() = default;
  // Reads the cell that `ref` names when the event covers it. `timeCell`
  // marks the references of the time range, which some scopes treat apart.
  virtual CellRead Read(const ExcelTrendWizard& c, const std::string& ref,
                        bool timeCell = false) const = 0;
};

// The cells of `target`, edited on `sheet`: the reference test of a sheet change.
std::unique_ptr<CellScope> EditedRangeScope(const host::WorksheetPtr& sheet,
                                            const host::RangePtr& target);
// Every cell of the recalculated `sheet`.
std::unique_ptr<CellScope> CalculatedSheetScope(const host::WorksheetPtr& sheet);
// Every cell of the opened workbook `book`.
std::unique_ptr<CellScope> OpenedWorkbookScope(const host::WorkbookPtr& book);

// Reads the cell `ref` names wherever it is: a workbook that is not open or a
// worksheet that does not exist makes the value invalid.
CellRead ReadAnywhere(const ExcelTrendWizard& c, const std::string& ref);

}  // namespace velkor
