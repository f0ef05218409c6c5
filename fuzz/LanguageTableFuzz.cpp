// libFuzzer entry for language tables: any text gives a table or raises 429
// naming the file.
#include <cstdlib>

#include "FuzzHost.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"
#include "standins/LanguageLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkor;
  try {
    sim::ParseLanguageTable(fuzz::Text(data, size), "fuzz.tsv");
  } catch (const VbError& e) {
    if (e.number() != err::kCannotCreateObject) std::abort();
  }
  return 0;
}
