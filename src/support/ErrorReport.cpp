#include "support/ErrorReport.h"

#include <string>

#include "support/StringTable.h"

namespace velkor {

namespace {

constexpr std::string_view kReportPrefix = "Zalt-KX-TrendWizard>";
// The report's words come from the own table whatever language is loaded:
// the log is read by support staff, not by the user.
constexpr std::int32_t kTextError = 50121;
constexpr std::int32_t kTextIn = 50123;
constexpr std::int32_t kTextAtSection = 50124;

}  // namespace

std::string FormatErrorReport(std::string_view procName, std::int32_t section,
                              const VbError& error) {
  std::string text(kReportPrefix);
  if (section != 0) {
    text += OwnString(kTextError);
    text += ' ';
  } else {
    text += "Error ";
  }
  text += std::to_string(error.number()) + ": " + error.description();
  text += OwnString(kTextIn);
  text += procName;
  if (section != 0) {
    text += OwnString(kTextAtSection);
    text += std::to_string(section);
  }
  return text;
}

void ReportError(std::string_view procName, std::int32_t section, const VbError& error) {
  WriteLog(FormatErrorReport(procName, section, error));
}

}  // namespace velkor
