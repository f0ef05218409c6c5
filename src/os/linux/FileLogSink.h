// FileLogSink: appends each report as one line to a log file. Writing never
// blocks and never fails the caller: a report that cannot be written is lost.
#pragma once

#include <filesystem>

#include "platform/os/LogSink.h"

namespace velkor::sim {

class FileLogSink : public os::LogSink {
 public:
  explicit FileLogSink(std::filesystem::path file) : file_(std::move(file)) {}

  // Line breaks inside a report become blanks, so one report is one line.
  void Write(const std::string& text) override;

  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path file_;
};

}  // namespace velkor::sim
