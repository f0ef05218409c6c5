// The settings reader: presets for new trends in profile (INI) files, searched
// first in the user's file, then in the installation's file.
//
//   user file:          <application data>\zaltsystem\plotvane\PV.ini
//   installation file:  <ZaltHome>\DAT\PV.ini, where ZaltHome is the key
//                       "ZaltHome" of section "ZALTPC" in <Windows>\zaltpc.ini
//
// In each file the requested section is tried first, then "Global". Values
// are read into 255-character buffers, so at most 254 characters come back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velkor {

// Searches both files; `value` receives the text found and the result is its
// length, 0 when nothing was found. A failure is reported as "failed to read
// user INI" and gives 0.
std::int32_t ReadSetting(std::string_view section, std::string_view key,
                         std::string_view defaultValue, std::string& value);

// The same search in the installation file alone; a failure is reported as
// "Failed to read INI" and gives 0.
std::int32_t ReadInstallSetting(std::string_view section, std::string_view key,
                                std::string_view defaultValue, std::string& value);

// `folder` & "\" & `name`, with no second "\" when the folder ends with one.
std::string JoinFolder(std::string_view folder, std::string_view name);

}  // namespace velkor
