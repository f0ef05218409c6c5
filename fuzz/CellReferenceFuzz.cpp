// libFuzzer entry for cell references as the control takes them apart, with
// the host's active workbook in place for the parts that ask it.
#include "FuzzHost.h"
#include "model/CellReference.h"
#include "model/Globals.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkor;
  static const bool hosted = [] {
    gAppExcel = fuzz::Session().App().Self();
    return true;
  }();
  (void)hosted;
  const std::string text(fuzz::Text(data, size));
  std::string ref = text;
  ExtractWorkBookName(ref);
  ref = text;
  GetSheetName(ref);
  ref = text;
  GetRangeAddress(ref);
  return 0;
}
