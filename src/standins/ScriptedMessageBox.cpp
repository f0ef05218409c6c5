#include "standins/ScriptedMessageBox.h"

#include "standins/FaultPoints.h"

namespace velkor::sim {

std::int32_t ScriptedMessageBox::Popup(const std::string& text, std::int32_t secondsToWait,
                                       const std::string& title, std::int32_t type) {
  ThrowIfArmed("MessageBox.Popup");
  std::int32_t answer = os::DefaultButtonResult(type);
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  shown_.push_back({text, title, type, secondsToWait, answer});
  return answer;
}

void ScriptedMessageBox::QueueAnswers(std::initializer_list<std::int32_t> answers) {
  answers_.insert(answers_.end(), answers.begin(), answers.end());
}

}  // namespace velkor::sim
