#include "unit/lifecycle/TrendHost.h"

#include "model/Globals.h"
#include "os/linux/OsPaths.h"
#include "platform/host/HostModel.h"

namespace velkor::test {

TrendHost::TrendHost() : saved(os::OsServices()) {
  sim::SimOptions options;
  options.osPaths = sim::OsPathsUnder(folder.path());
  options.logToFile = false;
  services = sim::InstallSimServices(options);
  driver.NewWorkbook();
}

TrendHost::~TrendHost() {
  app->Quit();
  gAppExcel = nullptr;
  os::InstallOsServices(saved);
}

std::shared_ptr<ExcelTrendWizard> TrendHost::InsertControl() {
  return ControlOf(driver.InsertObject("Sheet1!", "Velkor.ExcelTrendWizard", 400, 1, 24, 24));
}

std::shared_ptr<ExcelTrendWizard> TrendHost::ControlOf(const host::OLEObjectPtr& frame) {
  return std::dynamic_pointer_cast<ExcelTrendWizard>(frame->Object());
}

}  // namespace velkor::test
