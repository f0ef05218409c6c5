// Whole-file reads and atomic whole-file writes: a reader of the file sees
// either the old content or the new one, never a mix, and a write that
// fails leaves the old file as it was.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velkor::sim {

struct WriteFault {
  // Fail as a full disk would once this many bytes are written (for tests
  // of the failure path); nullopt writes normally.
  std::optional<std::size_t> failAfterBytes;
};

// Writes a temporary file in the target's folder, flushes it to disk and
// renames it over the target. Throws std::system_error naming the step that
// failed; the temporary file is removed then.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         const WriteFault& fault = {});

// Throws std::system_error when the file cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

}  // namespace velkor::sim
