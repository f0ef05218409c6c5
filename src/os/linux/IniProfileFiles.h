// IniProfileFiles: profile files read from disk, each read opening the file
// anew so that edits by other programs are seen at once.
#pragma once

#include "platform/os/ProfileFiles.h"

namespace velkor::sim {

class IniProfileFiles : public os::ProfileFiles {
 public:
  bool Exists(std::string_view file) override;
  std::string ReadString(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view defaultValue, std::int32_t bufferSize) override;
  std::string ReadSection(std::string_view file, std::string_view section,
                          std::int32_t bufferSize) override;
};

}  // namespace velkor::sim
