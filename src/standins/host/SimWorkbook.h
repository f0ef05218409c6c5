// SimWorkbook: a workbook of the stand-in host: its sheets in tab order, the
// active sheet, the file it was saved to and whether it changed since.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/Workbook.h"

namespace velkor::sim {

class SimApplication;
class SimWorksheet;

class SimWorkbook : public host::Workbook {
 public:
  SimWorkbook(std::weak_ptr<SimApplication> app, std::string name);

  // host::Workbook
  std::string Name() const override { return name_; }
  host::WorksheetsPtr Worksheets() override;
  host::WorksheetPtr ActiveSheet() override;
  host::ApplicationPtr Application() override;
  void Activate() override;
  bool Close() override;

  std::shared_ptr<SimApplication> App() const;
  std::shared_ptr<SimWorkbook> Self();
  const std::vector<std::shared_ptr<SimWorksheet>>& Sheets() const { return sheets_; }
  std::shared_ptr<SimWorksheet> FindSheet(std::string_view name) const;  // letter case ignored
  std::shared_ptr<SimWorksheet> ActiveSimSheet() const { return activeSheet_.lock(); }
  // Inserts a sheet at `position` (0-based, clamped); 1004 for an invalid or
  // taken name.
  std::shared_ptr<SimWorksheet> InsertSheet(std::size_t position, std::string name,
                                            std::string codeName);
  // The run-time Worksheets.Add: before the active sheet, "SheetN", no code name.
  std::shared_ptr<SimWorksheet> AddSheet();
  void SetActiveSheet(const std::shared_ptr<SimWorksheet>& sheet);
  // "SheetN" with the first N no sheet uses as a name (or as a code name).
  std::string FreeSheetName() const;
  std::string FreeCodeName() const;

  void SetName(std::string name) { name_ = std::move(name); }
  const std::string& Path() const { return path_; }
  void SetPath(std::string path) { path_ = std::move(path); }
  bool Dirty() const { return dirty_; }
  void SetDirty(bool dirty) { dirty_ = dirty; }
  bool IsClosed() const { return closed_; }

  // Ends every embedded control (Terminate) and drops the sheets' objects,
  // then takes the workbook out of the host without asking anyone.
  void Shutdown();

 private:
  void RequireOpen() const;

  std::weak_ptr<SimApplication> app_;
  std::string name_;
  std::string path_;
  std::vector<std::shared_ptr<SimWorksheet>> sheets_;
  std::weak_ptr<SimWorksheet> activeSheet_;
  bool dirty_ = false;
  bool closed_ = false;
};

}  // namespace velkor::sim
