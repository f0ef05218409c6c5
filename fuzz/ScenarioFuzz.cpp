// libFuzzer entry for scenario files: any text is checked whole, step by
// step, or refused with a FileFormatError that names a place.
#include "FuzzHost.h"
#include "standins/host/FileFormatError.h"
#include "tools/scenario/Scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkor::sim;
  try {
    scenario::ParseScenario(velkor::fuzz::Text(data, size), "fuzz.json");
  } catch (const FileFormatError& e) {
    scenario::DescribePlace(e.where());
  }
  return 0;
}
