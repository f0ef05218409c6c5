// A stand-in host session with every component registered, and a trend
// control inserted as a user would insert it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "control/ExcelTrendWizard.h"
#include "standins/SimServices.h"
#include "standins/host/HostDriver.h"
#include "standins/host/SimApplication.h"
#include "unit/host/HostFixture.h"

namespace velkor::test {

class TrendHost : public ::testing::Test {
 protected:
  TrendHost();
  ~TrendHost() override;

  // Inserts a control on Sheet1 of the active workbook.
  std::shared_ptr<ExcelTrendWizard> InsertControl();
  static std::shared_ptr<ExcelTrendWizard> ControlOf(const host::OLEObjectPtr& frame);
  std::vector<std::string> Reports() const { return services.log->Lines(); }

  host_test::TempFolder folder;
  os::Services saved;
  sim::SimServices services;
  std::shared_ptr<sim::SimApplication> app = sim::SimApplication::Create();
  sim::HostDriver driver{app};
};

}  // namespace velkor::test
