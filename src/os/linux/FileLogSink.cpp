#include "os/linux/FileLogSink.h"

#include <algorithm>
#include <system_error>

#include "os/linux/NativeFiles.h"

namespace velkor::sim {

namespace {

std::string OneLine(const std::string& text) {
  std::string line = text;
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  line.push_back('\n');
  return line;
}

}  // namespace

void FileLogSink::Write(const std::string& text) {
  try {
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    AppendToFile(file_, OneLine(text));
  } catch (...) {
    // Logging must never take the reporting operation down with it.
  }
}

}  // namespace velkor::sim
