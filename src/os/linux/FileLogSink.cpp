#include "os/linux/FileLogSink.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>

namespace velkor::sim {

namespace {

std::string OneLine(const std::string& text) {
  std::string line = text;
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  line.push_back('\n');
  return line;
}

// Non-blocking, so that a log path that names a pipe nobody reads cannot
// hang the caller; one write call, so that concurrent writers append whole lines.
void AppendLine(const std::filesystem::path& file, const std::string& line) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) return;
  [[maybe_unused]] const auto written = ::write(fd, line.data(), line.size());
  ::close(fd);
}

}  // namespace

void FileLogSink::Write(const std::string& text) {
  try {
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    AppendLine(file_, OneLine(text));
  } catch (...) {
    // Logging must never take the reporting operation down with it.
  }
}

}  // namespace velkor::sim
