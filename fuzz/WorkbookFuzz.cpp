// libFuzzer entry for workbook files: any text is read or refused with a
// FileFormatError; what is read writes back, and the written text reads back
// to the same text.
#include <cstdlib>

#include "FuzzHost.h"
#include "platform/VbError.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/WorkbookJson.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkor::sim;
  WorkbookData book;
  try {
    book = ReadWorkbookJson(velkor::fuzz::Text(data, size));
  } catch (const FileFormatError&) {
    return 0;
  }
  const std::string written = WriteWorkbookJson(book);
  if (WriteWorkbookJson(ReadWorkbookJson(written)) != written) std::abort();
  return 0;
}
