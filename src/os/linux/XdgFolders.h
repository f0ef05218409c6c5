// XdgFolders: the well-known folders of a desktop session. Application data
// is the XDG config home, the Windows folder a configurable system folder.
#pragma once

#include "os/linux/OsPaths.h"
#include "platform/os/Folders.h"

namespace velkor::sim {

class XdgFolders : public os::Folders {
 public:
  explicit XdgFolders(OsPaths paths) : paths_(std::move(paths)) {}

  std::string ApplicationData() override { return paths_.configHome.string(); }
  std::string WindowsFolder() override { return paths_.systemDir.string(); }
  // The folder of the loaded libvelkor shared library.
  std::string LibraryFolder() override;

 private:
  OsPaths paths_;
};

}  // namespace velkor::sim
