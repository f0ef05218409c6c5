// ConsoleMessageBox: a message box asked on a terminal. It shows the title,
// the text and the buttons of the box's style, and reads the answer as a
// button's number or (a unique start of) its name; an empty answer or the
// end of input presses the default button. Not interactive, it presses the
// default button at once and shows nothing.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>

#include "platform/os/MessageBox.h"

namespace velkor::sim {

class ConsoleMessageBox : public os::MessageBox {
 public:
  ConsoleMessageBox(std::istream& in, std::ostream& out, bool interactive)
      : in_(in), out_(out), interactive_(interactive) {}

  // On the process's standard input and error, interactive when both are terminals.
  static std::shared_ptr<ConsoleMessageBox> OnTerminal();

  // secondsToWait is not honoured: a console answer has no time limit.
  std::int32_t Popup(const std::string& text, std::int32_t secondsToWait, const std::string& title,
                     std::int32_t type) override;

 private:
  std::istream& in_;
  std::ostream& out_;
  bool interactive_;
};

// The name of the button that gives `result` ("OK", "Cancel", "Yes", ...).
std::string ButtonName(std::int32_t result);

}  // namespace velkor::sim
