// File and folder helpers the commands share; failures become one clear
// line and exit code 2.
#pragma once

#include <filesystem>
#include <string>

namespace velkor::cli {

inline constexpr int kBadInput = 2;

// The folder, created when missing.
std::filesystem::path OutputFolderAt(const std::string& command, const std::string& given);

// The whole file; `command` names the failing command in the message.
std::string ReadInputFile(const std::string& command, const std::string& file);

// Writes the file atomically.
void WriteOutputFile(const std::string& command, const std::filesystem::path& file,
                     const std::string& content);

// Raises CLI::RuntimeError(code) after printing "velkor COMMAND: MESSAGE".
[[noreturn]] void Fail(const std::string& command, const std::string& message,
                       int code = kBadInput);

}  // namespace velkor::cli
