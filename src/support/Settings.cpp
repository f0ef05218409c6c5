#include "support/Settings.h"

#include <cerrno>

#include "platform/ErrorNumbers.h"
#include "platform/VbString.h"
#include "platform/os/Folders.h"
#include "platform/os/OsServices.h"
#include "platform/os/ProfileFiles.h"
#include "support/ErrorReport.h"

namespace velkor {

namespace {

constexpr std::int32_t kBufferSize = 255;
constexpr std::string_view kUserFile = "zaltsystem\\plotvane\\PV.ini";
constexpr std::string_view kInstallFile = "DAT\\PV.ini";
constexpr std::string_view kZaltPcFile = "zaltpc.ini";
constexpr std::string_view kZaltPcSection = "ZALTPC";
constexpr std::string_view kZaltHomeKey = "ZaltHome";
constexpr std::string_view kGlobalSection = "Global";

os::ProfileFiles& Profiles() {
  const auto& profiles = os::OsServices().profiles;
  if (!profiles) Raise(err::kCannotCreateObject, "ProfileFiles");
  return *profiles;
}

// A folder the system cannot name, or a system without folder lookups, is "".
std::string ApplicationDataFolder() {
  const auto& folders = os::OsServices().folders;
  return folders ? vb::Trim(folders->ApplicationData()) : std::string();
}

std::string WindowsFolder() {
  const auto& folders = os::OsServices().folders;
  return folders ? folders->WindowsFolder() : std::string();
}

// The requested section when it has entries, then "Global".
std::string ReadFromFile(const std::string& file, std::string_view section, std::string_view key,
                         std::string_view defaultValue) {
  auto& profiles = Profiles();
  if (!profiles.ReadSection(file, section, kBufferSize).empty()) {
    std::string value = profiles.ReadString(file, section, key, defaultValue, kBufferSize);
    if (!value.empty()) return value;
  }
  return profiles.ReadString(file, kGlobalSection, key, defaultValue, kBufferSize);
}

// The installation folder named in the Windows folder's zaltpc.ini; "" when
// there is none.
std::string InstallationFolder() {
  const std::string windows = WindowsFolder();
  if (windows.empty()) return {};
  const std::string zaltPc = JoinFolder(windows, kZaltPcFile);
  if (!Profiles().Exists(zaltPc)) return {};
  return Profiles().ReadString(zaltPc, kZaltPcSection, kZaltHomeKey, "", kBufferSize);
}

// The system's last error, as the report's section number.
std::int32_t LastErrorCode() {
  return errno;
}

}  // namespace

std::string JoinFolder(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.ends_with('\\')) path.push_back('\\');
  return path.append(name);
}

std::int32_t ReadSetting(std::string_view section, std::string_view key,
                         std::string_view defaultValue, std::string& value) {
  value.clear();
  try {
    const std::string file = JoinFolder(ApplicationDataFolder(), kUserFile);
    if (Profiles().Exists(file)) {
      value = ReadFromFile(file, section, key, defaultValue);
      if (!value.empty()) return vb::Len(value);
    }
    value.clear();
    return ReadInstallSetting(section, key, defaultValue, value);
  } catch (...) {
    ReportError("failed to read user INI", LastErrorCode(), CurrentError());
    value.clear();
    return 0;
  }
}

std::int32_t ReadInstallSetting(std::string_view section, std::string_view key,
                                std::string_view defaultValue, std::string& value) {
  value.clear();
  try {
    const std::string home = InstallationFolder();
    if (home.empty()) return 0;
    const std::string file = JoinFolder(home, kInstallFile);
    if (!Profiles().Exists(file)) return 0;
    value = ReadFromFile(file, section, key, defaultValue);
    return vb::Len(value);
  } catch (...) {
    ReportError("Failed to read INI", LastErrorCode(), CurrentError());
    value.clear();
    return 0;
  }
}

}  // namespace velkor
