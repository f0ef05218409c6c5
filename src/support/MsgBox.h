// ShellMsgBox: the control's message box, shown through the shell object
// "WScript.Shell" and its Popup method.
#pragma once

#include <cstdint>
#include <string>

namespace velkor {

// Returns the pressed button's result (1 OK, 2 Cancel, 6 Yes, 7 No, ...).
// Errors (no shell object, a failing Popup) go to the caller.
std::int32_t ShellMsgBox(const std::string& prompt, const std::string& title = "",
                         std::int32_t flags = 65);

}  // namespace velkor
