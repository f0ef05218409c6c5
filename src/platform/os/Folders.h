// Folders: the well-known folders the control looks up. Each lookup gives ""
// when the system cannot name the folder.
#pragma once

#include <string>

namespace velkor::os {

class Folders {
 public:
  virtual ~Folders() = default;
  // The user's application-data folder (shell folder id 26).
  virtual std::string ApplicationData() = 0;
  // The Windows folder, which holds the machine-wide "zaltpc.ini".
  virtual std::string WindowsFolder() = 0;
  // The folder of the control's own library file.
  virtual std::string LibraryFolder() = 0;
};

}  // namespace velkor::os
