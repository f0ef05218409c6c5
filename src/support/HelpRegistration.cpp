#include "support/HelpRegistration.h"

#include "platform/os/Folders.h"
#include "platform/os/OsServices.h"
#include "support/Language.h"
#include "support/RegistryValue.h"

namespace velkor {

namespace {

constexpr std::string_view kSeparators = "\\/";

std::string LibraryFolder() {
  const auto& folders = os::OsServices().folders;
  return folders ? folders->LibraryFolder() : std::string();
}

}  // namespace

std::string HelpFolder(std::string_view libraryFolder) {
  std::string_view folder = libraryFolder;
  if (!folder.empty() && kSeparators.find(folder.back()) != std::string_view::npos) {
    folder.remove_suffix(1);
  }
  const auto last = folder.find_last_of(kSeparators);
  if (last == std::string_view::npos) return {};
  const char separator = folder[last];
  std::string helpDir(folder.substr(0, last));
  return helpDir.append(1, separator).append("help").append(1, separator).append("en");
}

void RegisterHelpFile() {
  const std::string helpFile = GetString(kHelpFileNameText);
  const std::string helpDir = HelpFolder(LibraryFolder());
  SetRegistryValue(kHelpRegistryKey, helpFile, Variant(helpDir), kRegString);
}

}  // namespace velkor
