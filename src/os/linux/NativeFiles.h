// The few file operations that differ between operating systems, under the
// file-backed services of this folder: atomic replacement (AtomicFile.h),
// appending a log line, the folder of a loaded library, and write access.
// NativeFilesPosix.cpp implements them on Linux, os/windows/ on Windows.
#pragma once

#include <filesystem>
#include <string_view>

namespace velkor::sim {

// Appends `text` with one write call (so that concurrent writers append whole
// lines), creating the file; never blocks on a pipe nobody reads and never
// fails the caller: a text that cannot be written is lost.
void AppendToFile(const std::filesystem::path& file, std::string_view text);

// The folder of the executable or library that holds `address`; empty when
// the system cannot tell.
std::filesystem::path ModuleFolderOf(const void* address);

// Whether this process may write `path`, an existing file or folder.
bool MayWrite(const std::filesystem::path& path);

}  // namespace velkor::sim
