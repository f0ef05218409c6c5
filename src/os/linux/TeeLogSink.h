// TeeLogSink: hands each report to several log sinks in turn.
#pragma once

#include <memory>
#include <vector>

#include "platform/os/LogSink.h"

namespace velkor::sim {

class TeeLogSink : public os::LogSink {
 public:
  explicit TeeLogSink(std::vector<std::shared_ptr<os::LogSink>> sinks) : sinks_(std::move(sinks)) {}

  void Write(const std::string& text) override {
    for (const auto& sink : sinks_) sink->Write(text);
  }

 private:
  std::vector<std::shared_ptr<os::LogSink>> sinks_;
};

}  // namespace velkor::sim
