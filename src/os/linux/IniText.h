// The text of a profile (INI) file taken apart into sections and entries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velkor::sim {

struct IniEntry {
  std::string key;
  std::string value;  // blanks around it and one pair of enclosing quotes removed
};

struct IniSection {
  std::string name;
  std::vector<IniEntry> entries;
};

// Sections and entries in file order. Lines are "[name]" headers and
// "key=value" entries; lines starting with ";", lines without "=" and
// entries before the first header are ignored. A leading UTF-8 byte-order
// mark is skipped.
std::vector<IniSection> ParseIni(std::string_view text);

// The first section named `name`, and its first entry named `key`, letter
// case ignored; nullptr when there is none.
const IniSection* FindSection(const std::vector<IniSection>& sections, std::string_view name);
const IniEntry* FindEntry(const IniSection& section, std::string_view key);

}  // namespace velkor::sim
