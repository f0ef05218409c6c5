// LogSink: where error reports go. Writing never blocks and never shows a window.
#pragma once

#include <string>

namespace velkor::os {

class LogSink {
 public:
  virtual ~LogSink() = default;
  virtual void Write(const std::string& text) = 0;
};

}  // namespace velkor::os
