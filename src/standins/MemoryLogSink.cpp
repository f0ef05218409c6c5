#include "standins/MemoryLogSink.h"

namespace velkor::sim {

void MemoryLogSink::Write(const std::string& text) {
  std::lock_guard lock(mutex_);
  lines_.push_back(text);
}

std::vector<std::string> MemoryLogSink::Lines() const {
  std::lock_guard lock(mutex_);
  return lines_;
}

void MemoryLogSink::Clear() {
  std::lock_guard lock(mutex_);
  lines_.clear();
}

}  // namespace velkor::sim
