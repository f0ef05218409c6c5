// The common error reporter: turns a failed operation's error into one line
// for the logging component.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/VbError.h"

namespace velkor {

// Builds the report of `error` raised in `procName` and hands it to WriteLog.
// Section 0 gives "Zalt-KX-TrendWizard>Error 13: Type mismatch in ReadXML";
// another section appends " at section # " and its number.
void ReportError(std::string_view procName, std::int32_t section, const VbError& error);
std::string FormatErrorReport(std::string_view procName, std::int32_t section,
                              const VbError& error);

// Hands one report to the thread's logging component, created on first use.
void WriteLog(const std::string& text);

}  // namespace velkor
