// ShellObject: the stand-in for the shell object "WScript.Shell". Its Popup
// shows the box through the calling thread's message-box service.
#pragma once

#include <string>

#include "platform/Object.h"

namespace velkor::sim {

class ShellObject : public Object {
 public:
  static constexpr std::string_view kProgId = "WScript.Shell";

  std::string TypeName() const override { return "IWshShell3"; }

  // "Popup"(text, [secondsToWait = 0], [title], [type = 0]) -> the pressed
  // button's result. Raises 429 when the thread has no message-box service.
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;
};

}  // namespace velkor::sim
