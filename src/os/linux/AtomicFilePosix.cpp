// Atomic replacement and whole-file reads on POSIX systems: mkstemp beside
// the target under an flock, fsync, rename over it, fsync of the folder.
#include "os/linux/AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <system_error>
#include <vector>

namespace velkor::sim {

namespace {

[[noreturn]] void Fail(int error, const std::string& step) {
  throw std::system_error(error, std::generic_category(), step);
}

// Removes the temporary files of `target` left by writers that died: a live
// writer holds its file locked. Anything that cannot be opened, is no
// regular file or is locked stays.
void RemoveStaleTempFiles(const std::filesystem::path& target) {
  for (const auto& file : TempFilesOf(target)) {
    int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlink(file.c_str());
    ::close(fd);
  }
}

// Closes the descriptor and removes the temporary file unless the write got
// as far as the rename. The file is locked from its creation on, so that no
// other writer takes it for stale; one removed before the lock was taken is
// made anew.
class TempFile {
 public:
  explicit TempFile(const std::filesystem::path& target) {
    const std::string pattern =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    for (;;) {
      name_.assign(pattern.begin(), pattern.end());
      name_.push_back('\0');
      fd_ = ::mkstemp(name_.data());
      if (fd_ < 0) Fail(errno, "cannot create a temporary file beside " + target.string());
      struct stat st {};
      if (::flock(fd_, LOCK_EX) == 0 && ::fstat(fd_, &st) == 0 && st.st_nlink > 0) break;
      ::close(fd_);
    }
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(name_.data());
    if (lock_ >= 0) ::close(lock_);
  }
  int fd() const { return fd_; }
  const char* name() const { return name_.data(); }
  // A copy of the descriptor keeps the lock until the rename is done.
  void Close() {
    lock_ = ::dup(fd_);
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail(errno, "cannot close the temporary file");
  }
  void Committed() { committed_ = true; }

 private:
  std::vector<char> name_;
  int fd_ = -1;
  int lock_ = -1;
  bool committed_ = false;
};

void WriteAll(int fd, std::string_view content, const WriteFault& fault) {
  const bool fails = fault.failAfterBytes && *fault.failAfterBytes < content.size();
  std::string_view rest = fails ? content.substr(0, *fault.failAfterBytes) : content;
  while (!rest.empty()) {
    ssize_t n = ::write(fd, rest.data(), rest.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail(errno, "cannot write the temporary file");
    rest.remove_prefix(static_cast<std::size_t>(n));
  }
  if (fails) Fail(ENOSPC, "cannot write the temporary file");
}

// The new file keeps the permissions of the one it replaces.
void CopyMode(int fd, const std::filesystem::path& path) {
  struct stat old {};
  ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
}

// Makes the rename itself durable; a folder that cannot be opened or synced
// (some file systems refuse) does not undo a completed save.
void SyncFolder(const std::filesystem::path& folder) {
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         const WriteFault& fault) {
  RemoveStaleTempFiles(path);
  TempFile temp(path);
  WriteAll(temp.fd(), content, fault);
  if (::fsync(temp.fd()) != 0) Fail(errno, "cannot flush the temporary file");
  CopyMode(temp.fd(), path);
  temp.Close();
  if (::rename(temp.name(), path.c_str()) != 0) Fail(errno, "cannot replace " + path.string());
  temp.Committed();
  SyncFolder(path.parent_path());
}

std::string ReadWholeFile(const std::filesystem::path& path) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) Fail(errno, "cannot open " + path.string());
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  auto refuse = [&](ReadRefusal why) {
    throw std::system_error(static_cast<int>(why), ReadRefusalCategory(),
                            "cannot read " + path.string());
  };
  struct stat st {};
  if (::fstat(fd, &st) != 0) Fail(errno, "cannot read " + path.string());
  if (S_ISDIR(st.st_mode)) Fail(EISDIR, "cannot read " + path.string());
  if (!S_ISREG(st.st_mode)) refuse(ReadRefusal::NotRegularFile);
  if (static_cast<std::uintmax_t>(st.st_size) > kMaxReadBytes) refuse(ReadRefusal::TooLarge);
  std::string text(static_cast<std::size_t>(st.st_size), '\0');
  std::size_t used = 0;
  for (;;) {
    // A file that grows while it is read is read on to its end or the limit.
    if (used == text.size()) text.resize(std::min<std::size_t>(kMaxReadBytes + 1, used + 65536));
    const ssize_t n = ::read(fd, text.data() + used, text.size() - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail(errno, "cannot read " + path.string());
    if (n == 0) break;
    used += static_cast<std::size_t>(n);
    if (used > kMaxReadBytes) refuse(ReadRefusal::TooLarge);
  }
  text.resize(used);
  return text;
}

}  // namespace velkor::sim
