// ProfileFiles: reads of classic profile (INI) files, with the system's rules:
// section and key names ignore letter case, a missing file, section or key
// gives the caller's default, and results are cut to the caller's buffer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velkor::os {

class ProfileFiles {
 public:
  virtual ~ProfileFiles() = default;

  // Whether `file` names an existing file. File names may use "\" between
  // folders, as the control writes them.
  virtual bool Exists(std::string_view file) = 0;

  // The value of `key` in `section`, or `defaultValue` (without its trailing
  // blanks) when there is none; at most bufferSize - 1 characters.
  virtual std::string ReadString(std::string_view file, std::string_view section,
                                 std::string_view key, std::string_view defaultValue,
                                 std::int32_t bufferSize) = 0;

  // The entries of `section` as "key=value" texts, each followed by a NUL
  // character; "" for a missing section. When they do not fit a buffer of
  // `bufferSize` characters the text is cut to bufferSize - 2 characters.
  virtual std::string ReadSection(std::string_view file, std::string_view section,
                                  std::int32_t bufferSize) = 0;
};

}  // namespace velkor::os
