// libFuzzer entry for profile files (INI text): any text gives sections and
// entries, and every one of them is found again by its name.
#include <cstdlib>

#include "FuzzHost.h"
#include "os/linux/IniText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkor::sim;
  const auto sections = ParseIni(velkor::fuzz::Text(data, size));
  for (const auto& section : sections) {
    const IniSection* found = FindSection(sections, section.name);
    if (!found) std::abort();
    for (const auto& entry : section.entries)
      if (!FindEntry(section, entry.key)) std::abort();
  }
  return 0;
}
