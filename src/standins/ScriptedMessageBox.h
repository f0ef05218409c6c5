// ScriptedMessageBox: the stand-in for the modal message box. It records
// every box shown and answers from a queue of scripted results; with the
// queue empty it presses the box's default button.
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/os/MessageBox.h"

namespace velkor::sim {

struct ShownMessageBox {
  std::string text;
  std::string title;
  std::int32_t type = 0;
  std::int32_t secondsToWait = 0;
  std::int32_t answer = 0;
};

class ScriptedMessageBox : public os::MessageBox {
 public:
  std::int32_t Popup(const std::string& text, std::int32_t secondsToWait, const std::string& title,
                     std::int32_t type) override;

  // Answers for the next boxes, in order.
  void QueueAnswers(std::initializer_list<std::int32_t> answers);
  std::size_t PendingAnswers() const { return answers_.size(); }

  const std::vector<ShownMessageBox>& Shown() const { return shown_; }
  void ClearShown() { shown_.clear(); }

 private:
  std::deque<std::int32_t> answers_;
  std::vector<ShownMessageBox> shown_;
};

}  // namespace velkor::sim
