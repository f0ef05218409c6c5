#include "os/linux/XdgFolders.h"

#include "os/linux/NativeFiles.h"
#include "platform/os/OsServices.h"

namespace velkor::sim {

std::string XdgFolders::LibraryFolder() {
  // Any function of the library tells where the loader found it.
  return ModuleFolderOf(reinterpret_cast<const void*>(&os::OsServices)).string();
}

}  // namespace velkor::sim
