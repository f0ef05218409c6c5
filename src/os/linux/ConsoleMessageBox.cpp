#include "os/linux/ConsoleMessageBox.h"

#include <unistd.h>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/Conversions.h"
#include "platform/VbString.h"
#include "platform/os/MessageBox.h"

namespace velkor::sim {

namespace {

using Buttons = std::vector<std::int32_t>;

// The two results of the Cancel/Try Again/Continue set.
constexpr std::int32_t kIdTryAgain = 10, kIdContinue = 11;

void ShowBox(std::ostream& out, const std::string& text, const std::string& title,
             const Buttons& buttons, std::int32_t defaultButton) {
  out << "\n=== " << title << " ===\n" << text << "\n";
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    out << "  [" << i + 1 << "] " << ButtonName(buttons[i]);
  }
  out << "  (Enter: " << ButtonName(defaultButton) << ")\n> " << std::flush;
}

std::optional<std::int32_t> ByNumber(const std::string& answer, const Buttons& buttons) {
  const auto number = ParseNumber(answer);
  if (!number || *number < 1 || *number > static_cast<double>(buttons.size()) ||
      *number != static_cast<std::int32_t>(*number)) {
    return std::nullopt;
  }
  return buttons[static_cast<std::size_t>(*number) - 1];
}

std::optional<std::int32_t> ByName(const std::string& answer, const Buttons& buttons) {
  std::optional<std::int32_t> match;
  for (std::int32_t button : buttons) {
    const std::string name = ButtonName(button);
    if (vb::EqualsText(name, answer)) return button;
    if (!vb::EqualsText(vb::Left(name, vb::Len(answer)), answer)) continue;
    if (match) return std::nullopt;  // "C" may be Cancel or Continue
    match = button;
  }
  return match;
}

std::optional<std::int32_t> ReadAnswer(const std::string& line, const Buttons& buttons,
                                       std::int32_t defaultButton) {
  const std::string answer = vb::Trim(line);
  if (answer.empty()) return defaultButton;
  if (auto button = ByNumber(answer, buttons)) return button;
  return ByName(answer, buttons);
}

}  // namespace

std::shared_ptr<ConsoleMessageBox> ConsoleMessageBox::OnTerminal() {
  const bool interactive = ::isatty(STDIN_FILENO) == 1 && ::isatty(STDERR_FILENO) == 1;
  return std::make_shared<ConsoleMessageBox>(std::cin, std::cerr, interactive);
}

std::int32_t ConsoleMessageBox::Popup(const std::string& text, std::int32_t /*secondsToWait*/,
                                      const std::string& title, std::int32_t type) {
  const std::int32_t defaultButton = os::DefaultButtonResult(type);
  if (!interactive_) return defaultButton;
  const Buttons buttons = os::ButtonResults(type);
  ShowBox(out_, text, title, buttons, defaultButton);
  for (std::string line; std::getline(in_, line);) {
    if (auto answer = ReadAnswer(line, buttons, defaultButton)) return *answer;
    out_ << "Please answer with a button's number or name.\n> " << std::flush;
  }
  return defaultButton;
}

std::string ButtonName(std::int32_t result) {
  switch (result) {
    case os::kIdOk:
      return "OK";
    case os::kIdCancel:
      return "Cancel";
    case os::kIdAbort:
      return "Abort";
    case os::kIdRetry:
      return "Retry";
    case os::kIdIgnore:
      return "Ignore";
    case os::kIdYes:
      return "Yes";
    case os::kIdNo:
      return "No";
    case kIdTryAgain:
      return "Try Again";
    case kIdContinue:
      return "Continue";
    default:
      return std::to_string(result);
  }
}

}  // namespace velkor::sim
