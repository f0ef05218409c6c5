// ShellPopupMessageBox: the MessageBox interface through the shell object.
// Each box creates "WScript.Shell" through the factory, calls its Popup with
// (text, seconds, title, type) and releases it again. A shell object that
// cannot be created (429) or a Popup that fails raises to the caller.
//
// A Popup shows a real window and waits for a user: programs without one
// (tests, the scenario runner) must not reach it. They inject a factory that
// serves a double under "WScript.Shell", or use the file-backed services
// (see docs/os-services.md).
#pragma once

#include <memory>

#include "platform/os/MessageBox.h"
#include "platform/os/ObjectFactory.h"

namespace velkor::sim {

class ShellPopupMessageBox : public os::MessageBox {
 public:
  static constexpr std::string_view kShellProgId = "WScript.Shell";

  explicit ShellPopupMessageBox(std::shared_ptr<os::ObjectFactory> factory)
      : factory_(std::move(factory)) {}

  std::int32_t Popup(const std::string& text, std::int32_t secondsToWait, const std::string& title,
                     std::int32_t type) override;

 private:
  std::shared_ptr<os::ObjectFactory> factory_;
};

}  // namespace velkor::sim
