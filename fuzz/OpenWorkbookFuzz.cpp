// libFuzzer entry for opening a workbook in the host: the objects are created
// and each control reads its saved state from the property bag. Any file
// opens or fails with an error of the host; the open workbook closes again.
#include <fstream>

#include "FuzzHost.h"
#include "platform/VbError.h"
#include "standins/host/SimApplication.h"
#include "standins/host/SimWorkbook.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto& session = velkor::fuzz::Session();
  const std::string file = session.OutputPath("fuzz.json").string();
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  try {
    auto book = session.Driver().Open(file);
    book->SetDirty(false);
    session.Driver().Close(book->Name());
  } catch (const velkor::VbError&) {
  }
  return 0;
}
