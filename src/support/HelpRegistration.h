// The help registration: the machine-wide registry tells the system's help
// engine in which folder the control's help file lies.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velkor {

inline constexpr std::string_view kHelpRegistryKey = "SOFTWARE\\Microsoft\\Windows\\Help";
// The string id of the help file's name ("ZALTTRENDXL.HLP").
inline constexpr std::int32_t kHelpFileNameText = 50024;

// The folder "help\en" beside the library's folder: "C:\Zalt\bin" (with or
// without a final separator) gives "C:\Zalt\help\en"; a folder without a
// separator gives "". The folder's own separator is kept ("\" or "/").
std::string HelpFolder(std::string_view libraryFolder);

// Registers the help file named by text 50024 in the current language with
// the help folder of the control's library, as the control does at creation.
// Errors (a missing text) go to the caller; a registry that refuses the
// write is not one.
void RegisterHelpFile();

}  // namespace velkor
