#include "os/linux/IniText.h"

#include "platform/VbString.h"

namespace velkor::sim {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view TrimSpace(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string_view NextLine(std::string_view& text) {
  const auto end = text.find('\n');
  std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  return line;
}

void AddLine(std::vector<IniSection>& sections, std::string_view line) {
  if (line.empty() || line.front() == ';') return;
  if (line.front() == '[') {
    const auto close = line.find(']');
    sections.push_back({std::string(TrimSpace(line.substr(1, close - 1))), {}});
    return;
  }
  const auto equals = line.find('=');
  if (equals == std::string_view::npos || sections.empty()) return;
  sections.back().entries.push_back({std::string(TrimSpace(line.substr(0, equals))),
                                     std::string(Unquoted(TrimSpace(line.substr(equals + 1))))});
}

}  // namespace

std::vector<IniSection> ParseIni(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<IniSection> sections;
  while (!text.empty()) AddLine(sections, TrimSpace(NextLine(text)));
  return sections;
}

const IniSection* FindSection(const std::vector<IniSection>& sections, std::string_view name) {
  for (const auto& section : sections) {
    if (vb::EqualsText(section.name, name)) return &section;
  }
  return nullptr;
}

const IniEntry* FindEntry(const IniSection& section, std::string_view key) {
  for (const auto& entry : section.entries) {
    if (vb::EqualsText(entry.key, key)) return &entry;
  }
  return nullptr;
}

}  // namespace velkor::sim
