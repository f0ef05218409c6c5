// Atomic replacement on Windows: a new temporary file beside the target,
// flushed to disk, then moved over the target in one step (MoveFileEx with
// replacement and write-through).
#include <windows.h>

#include <cerrno>
#include <random>
#include <system_error>

#include "os/linux/AtomicFile.h"

namespace velkor::sim {

namespace {

[[noreturn]] void FailWindows(const std::string& step) {
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), step);
}

// Closes the handle and removes the temporary file unless the write got as
// far as the move.
class TempFile {
 public:
  explicit TempFile(const std::filesystem::path& target) {
    std::random_device seed;
    for (int attempt = 0; attempt < 100 && handle_ == INVALID_HANDLE_VALUE; ++attempt) {
      name_ = target.parent_path() /
              ("." + target.filename().string() + "." + std::to_string(seed() % 1000000));
      handle_ = CreateFileW(name_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
      if (handle_ == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (handle_ == INVALID_HANDLE_VALUE)
      FailWindows("cannot create a temporary file beside " + target.string());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    if (!committed_) DeleteFileW(name_.c_str());
  }
  HANDLE handle() const { return handle_; }
  const std::filesystem::path& name() const { return name_; }
  void Close() {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (!CloseHandle(handle)) FailWindows("cannot close the temporary file");
  }
  void Committed() { committed_ = true; }

 private:
  std::filesystem::path name_;
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  bool committed_ = false;
};

void WriteAll(HANDLE handle, std::string_view content, const WriteFault& fault) {
  const bool fails = fault.failAfterBytes && *fault.failAfterBytes < content.size();
  std::string_view rest = fails ? content.substr(0, *fault.failAfterBytes) : content;
  while (!rest.empty()) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 1u << 30));
    if (!WriteFile(handle, rest.data(), chunk, &written, nullptr))
      FailWindows("cannot write the temporary file");
    rest.remove_prefix(written);
  }
  if (fails)
    throw std::system_error(ENOSPC, std::generic_category(), "cannot write the temporary file");
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         const WriteFault& fault) {
  TempFile temp(path);
  WriteAll(temp.handle(), content, fault);
  if (!FlushFileBuffers(temp.handle())) FailWindows("cannot flush the temporary file");
  temp.Close();
  if (!MoveFileExW(temp.name().c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    FailWindows("cannot replace " + path.string());
  temp.Committed();
}

}  // namespace velkor::sim
