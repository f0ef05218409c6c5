// MemoryLogSink: the stand-in for the logging component; keeps every report
// in memory, in the order written.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "platform/os/LogSink.h"

namespace velkor::sim {

class MemoryLogSink : public os::LogSink {
 public:
  void Write(const std::string& text) override;

  std::vector<std::string> Lines() const;
  void Clear();

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
};

}  // namespace velkor::sim
