#include "tools/cli/CliFiles.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <system_error>

#include "os/linux/AtomicFile.h"

namespace velkor::cli {

namespace fs = std::filesystem;

void Fail(const std::string& command, const std::string& message, int code) {
  std::cout.flush();
  std::cerr << "velkor " << command << ": " << message << "\n";
  throw CLI::RuntimeError(code);
}

fs::path OutputFolderAt(const std::string& command, const std::string& given) {
  std::error_code ec;
  fs::create_directories(given, ec);
  if (ec || !fs::is_directory(given))
    Fail(command, "cannot use '" + given + "' as the output folder" +
                      (ec ? ": " + ec.message() : std::string()));
  return given;
}

std::string ReadInputFile(const std::string& command, const std::string& file) {
  std::error_code ec;
  if (fs::is_directory(file, ec)) Fail(command, "cannot read " + file + ": it is a folder");
  try {
    return sim::ReadWholeFile(file);
  } catch (const std::system_error& e) {
    Fail(command, "cannot read " + file + ": " + e.code().message());
  }
}

void WriteOutputFile(const std::string& command, const fs::path& file, const std::string& content) {
  try {
    sim::WriteFileAtomically(file, content);
  } catch (const std::system_error& e) {
    Fail(command, "cannot write " + file.string() + ": " + e.code().message());
  }
}

}  // namespace velkor::cli
