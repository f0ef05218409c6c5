#include "os/linux/IniProfileFiles.h"

#include <system_error>
#include <vector>

#include "os/linux/AtomicFile.h"
#include "os/linux/HostPath.h"
#include "os/linux/IniText.h"
#include "platform/VbString.h"

namespace velkor::sim {

namespace {

// An unreadable file reads like a missing one, as the system's profile calls do.
std::vector<IniSection> ReadIni(std::string_view file) {
  try {
    return ParseIni(ReadWholeFile(HostPath(file)));
  } catch (const std::system_error&) {
    return {};
  }
}

// What fits a buffer of `bufferSize` characters with room for `reserved` NULs.
std::string Fit(std::string_view text, std::int32_t bufferSize, std::int32_t reserved) {
  const std::int32_t room = bufferSize - reserved;
  if (room <= 0) return {};
  return vb::Left(text, room);
}

std::string EntriesText(const IniSection& section) {
  std::string text;
  for (const auto& entry : section.entries) {
    text.append(entry.key).append("=").append(entry.value).push_back('\0');
  }
  return text;
}

}  // namespace

bool IniProfileFiles::Exists(std::string_view file) {
  std::error_code error;
  return std::filesystem::is_regular_file(HostPath(file), error);
}

std::string IniProfileFiles::ReadString(std::string_view file, std::string_view section,
                                        std::string_view key, std::string_view defaultValue,
                                        std::int32_t bufferSize) {
  const auto sections = ReadIni(file);
  const IniSection* found = FindSection(sections, section);
  const IniEntry* entry = found ? FindEntry(*found, key) : nullptr;
  if (entry) return Fit(entry->value, bufferSize, 1);
  return Fit(vb::RTrim(defaultValue), bufferSize, 1);
}

std::string IniProfileFiles::ReadSection(std::string_view file, std::string_view section,
                                         std::int32_t bufferSize) {
  const auto sections = ReadIni(file);
  const IniSection* found = FindSection(sections, section);
  if (!found) return {};
  const std::string text = EntriesText(*found);
  if (vb::Len(text) <= bufferSize - 1) return text;
  return Fit(text, bufferSize, 2);
}

}  // namespace velkor::sim
