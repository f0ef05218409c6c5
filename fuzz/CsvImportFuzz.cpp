// libFuzzer entry for CSV imports into an archive in memory: any text is
// imported row by row, its bad rows skipped, or refused for its header.
#include <sstream>

#include "FuzzHost.h"
#include "parts/archive/ArchiveStore.h"
#include "parts/csv/ArchiveCsv.h"
#include "parts/csv/ArchiveImport.h"
#include "platform/VbError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkor::sim;
  auto store = ArchiveStore::OpenInMemory();
  std::istringstream in{std::string(velkor::fuzz::Text(data, size))};
  try {
    csv::ImportArchiveCsv(in, store, {.batchRows = 7});
  } catch (const csv::CsvHeaderError&) {
  } catch (const velkor::VbError&) {
  }
  return 0;
}
