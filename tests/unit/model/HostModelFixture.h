// A host stand-in with one fresh workbook (Book1: Sheet1..Sheet3, Sheet1
// active) as the thread's gAppExcel, and the error reports caught in memory.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/Globals.h"
#include "platform/host/OLEObject.h"
#include "standins/host/SimWorkbook.h"
#include "unit/host/HostFixture.h"
#include "unit/model/CapturedLog.h"

namespace velkor::test {

class HostModelFixture : public host_test::HostFixture {
 protected:
  HostModelFixture() { gAppExcel = app; }
  ~HostModelFixture() override { gAppExcel = nullptr; }

  std::vector<std::string> Reports() const { return log_.Lines(); }
  // Places a plain object on the sheet of `sheetReference` ("Sheet2!") and names it.
  host::OLEObjectPtr PlaceNamed(const std::string& sheetReference, const std::string& name);

  std::shared_ptr<sim::SimWorkbook> book = NewBook();

 private:
  CapturedLog log_;
};

inline host::OLEObjectPtr HostModelFixture::PlaceNamed(const std::string& sheetReference,
                                                       const std::string& name) {
  auto frame = driver.InsertObject(sheetReference, host_test::kPlainProgId, 0, 0, 10, 10);
  frame->SetName(name);
  return frame;
}

}  // namespace velkor::test
