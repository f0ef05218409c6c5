// WindowsProfileFiles: the ProfileFiles interface on the system's profile
// calls (GetPrivateProfileStringW, GetPrivateProfileSectionW), so that the
// system's own rules hold: the cut to the caller's buffer, the default for a
// missing file, section or key, letter case in names. The system reads a
// file in UTF-16 when it starts with a byte-order mark and in the ANSI code
// page otherwise; texts come back as UTF-8.
#pragma once

#include "platform/os/ProfileFiles.h"

namespace velkor::sim {

class WindowsProfileFiles : public os::ProfileFiles {
 public:
  bool Exists(std::string_view file) override;
  std::string ReadString(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view defaultValue, std::int32_t bufferSize) override;
  std::string ReadSection(std::string_view file, std::string_view section,
                          std::int32_t bufferSize) override;
};

}  // namespace velkor::sim
