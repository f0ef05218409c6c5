// The control's connection to the host application's events, made whenever
// gAppExcelEvents is assigned.
#include "control/ExcelTrendWizard.h"
#include "sync/HostEvents.h"

namespace velkor {

std::vector<Connection> ExcelTrendWizard::ConnectHost(host::Application& app) {
  std::vector<Connection> connections;
  connections.push_back(
      app.SheetChange.Connect([this](host::WorksheetPtr sh, host::RangePtr target) {
        gAppExcelEvents_SheetChange(*this, sh, target);
      }));
  connections.push_back(app.SheetCalculate.Connect(
      [this](host::WorksheetPtr sh) { gAppExcelEvents_SheetCalculate(*this, sh); }));
  connections.push_back(app.WorkbookOpen.Connect(
      [this](host::WorkbookPtr wb) { gAppExcelEvents_WorkbookOpen(*this, wb); }));
  connections.push_back(app.WorkbookBeforeClose.Connect([this](host::WorkbookPtr wb, bool& cancel) {
    gAppExcelEvents_WorkbookBeforeClose(*this, wb, cancel);
  }));
  return connections;
}

}  // namespace velkor
