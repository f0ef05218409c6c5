#include "os/linux/XdgFolders.h"

#include <dlfcn.h>

#include <filesystem>

#include "platform/os/OsServices.h"

namespace velkor::sim {

std::string XdgFolders::LibraryFolder() {
  // Any function of the library tells where the loader found it.
  Dl_info info{};
  const auto* inLibrary = reinterpret_cast<const void*>(&os::OsServices);
  if (dladdr(inLibrary, &info) == 0 || info.dli_fname == nullptr) return {};
  return std::filesystem::absolute(info.dli_fname).parent_path().string();
}

}  // namespace velkor::sim
