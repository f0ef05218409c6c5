// Whole-file reads and atomic whole-file writes: a reader of the file sees
// either the old content or the new one, never a mix, and a write that
// fails leaves the old file as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace velkor::sim {

struct WriteFault {
  // Fail as a full disk would once this many bytes are written (for tests
  // of the failure path); nullopt writes normally.
  std::optional<std::size_t> failAfterBytes;
};

// Writes a temporary file in the target's folder, flushes it to disk and
// renames it over the target. Throws std::system_error naming the step that
// failed; the temporary file is removed then.
//
// The temporary file is named ".NAME.XXXXXX" after the target NAME and
// locked while it is written. A write killed half-way leaves it behind; the
// next write of NAME removes every such file that no live writer holds.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         const WriteFault& fault = {});

// Whether `name` is the name of a temporary file of the file named `target`:
// "." NAME "." and six letters or digits.
bool IsTempNameOf(const std::string& name, const std::string& target);

// The temporary files of `target` in its folder, live writers' and dead
// ones' alike; each system's write removes those that no live writer holds.
std::vector<std::filesystem::path> TempFilesOf(const std::filesystem::path& target);

// The most that ReadWholeFile reads: far beyond any file this program
// writes, a bound for a file that never ends.
inline constexpr std::uintmax_t kMaxReadBytes = 256u << 20;

// Reasons of its own why ReadWholeFile refuses a file.
enum class ReadRefusal { NotRegularFile = 1, TooLarge };
const std::error_category& ReadRefusalCategory();

// Throws std::system_error when the file cannot be read: with ReadRefusal
// codes for anything but a regular file (a FIFO, a device such as
// /dev/zero) and for more than kMaxReadBytes, with EISDIR for a folder.
std::string ReadWholeFile(const std::filesystem::path& path);

}  // namespace velkor::sim
