// InteractiveMessageBox: scripted answers first, then the console. Every box
// is recorded in the scripted box, so scenarios can check what was shown
// whoever answered it.
#pragma once

#include <memory>

#include "standins/ScriptedMessageBox.h"

namespace velkor::sim {

class InteractiveMessageBox : public os::MessageBox {
 public:
  InteractiveMessageBox(std::shared_ptr<ScriptedMessageBox> scripted,
                        std::shared_ptr<os::MessageBox> console)
      : scripted_(std::move(scripted)), console_(std::move(console)) {}

  std::int32_t Popup(const std::string& text, std::int32_t secondsToWait, const std::string& title,
                     std::int32_t type) override {
    if (scripted_->PendingAnswers() == 0) {
      scripted_->QueueAnswers({console_->Popup(text, secondsToWait, title, type)});
    }
    return scripted_->Popup(text, secondsToWait, title, type);
  }

 private:
  std::shared_ptr<ScriptedMessageBox> scripted_;
  std::shared_ptr<os::MessageBox> console_;
};

}  // namespace velkor::sim
