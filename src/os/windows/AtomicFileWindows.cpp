// Atomic replacement and whole-file reads on Windows: a new temporary file
// beside the target, flushed to disk, then moved over the target in one step
// (MoveFileEx with replacement and write-through). A writer opens its
// temporary file without sharing, so a later save can delete only the ones
// whose writer died.
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#include "os/linux/AtomicFile.h"

namespace velkor::sim {

namespace {

[[noreturn]] void FailWindows(const std::string& step) {
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), step);
}

// ".NAME." and six letters or digits, as on POSIX systems.
std::filesystem::path TempNameBeside(const std::filesystem::path& target,
                                     std::random_device& seed) {
  static constexpr char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string name = "." + target.filename().string() + ".";
  for (int i = 0; i < 6; ++i) name += kAlphabet[seed() % (sizeof kAlphabet - 1)];
  return target.parent_path() / name;
}

void RemoveStaleTempFiles(const std::filesystem::path& target) {
  std::error_code ec;
  for (const auto& file : TempFilesOf(target)) {
    if (std::filesystem::is_regular_file(file, ec)) DeleteFileW(file.c_str());  // fails in use
  }
}

// Closes the handle and removes the temporary file unless the write got as
// far as the move.
class TempFile {
 public:
  explicit TempFile(const std::filesystem::path& target) {
    std::random_device seed;
    for (int attempt = 0; attempt < 100 && handle_ == INVALID_HANDLE_VALUE; ++attempt) {
      name_ = TempNameBeside(target, seed);
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
  RemoveStaleTempFiles(path);
  TempFile temp(path);
  WriteAll(temp.handle(), content, fault);
  if (!FlushFileBuffers(temp.handle())) FailWindows("cannot flush the temporary file");
  temp.Close();
  if (!MoveFileExW(temp.name().c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    FailWindows("cannot replace " + path.string());
  temp.Committed();
}

std::string ReadWholeFile(const std::filesystem::path& path) {
  auto refuse = [&](ReadRefusal why) {
    throw std::system_error(static_cast<int>(why), ReadRefusalCategory(),
                            "cannot read " + path.string());
  };
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec) throw std::system_error(ec, "cannot open " + path.string());
  if (std::filesystem::is_directory(status))
    throw std::system_error(EISDIR, std::generic_category(), "cannot read " + path.string());
  if (!std::filesystem::is_regular_file(status)) refuse(ReadRefusal::NotRegularFile);
  if (std::filesystem::file_size(path, ec) > kMaxReadBytes) refuse(ReadRefusal::TooLarge);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::system_error(ENOENT, std::generic_category(), "cannot open " + path.string());
  std::string text;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    text.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxReadBytes) refuse(ReadRefusal::TooLarge);
  }
  if (in.bad())
    throw std::system_error(EIO, std::generic_category(), "cannot read " + path.string());
  return text;
}

}  // namespace velkor::sim
