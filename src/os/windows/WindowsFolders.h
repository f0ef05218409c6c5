// WindowsFolders: the Folders interface on the shell's folder lookup and the
// system's Windows folder. Folders come back as UTF-8, without a trailing
// "\" (except a drive's root, as the system names it).
#pragma once

#include "platform/os/Folders.h"

namespace velkor::sim {

class WindowsFolders : public os::Folders {
 public:
  // The shell's CSIDL_APPDATA; the older shell call when the first fails.
  std::string ApplicationData() override;
  // GetWindowsDirectoryW.
  std::string WindowsFolder() override;
  // The folder of the module (library or program) this code is linked into.
  std::string LibraryFolder() override;
};

// The user's local (not roaming) application-data folder; "" when the shell
// cannot name it.
std::string LocalApplicationData();

}  // namespace velkor::sim
