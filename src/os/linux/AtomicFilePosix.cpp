// Atomic replacement on POSIX systems: mkstemp beside the target, fsync,
// rename over it, fsync of the folder.
#include "os/linux/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <vector>

namespace velkor::sim {

namespace {

[[noreturn]] void Fail(int error, const std::string& step) {
  throw std::system_error(error, std::generic_category(), step);
}

// Closes the descriptor and removes the temporary file unless the write got
// as far as the rename.
class TempFile {
 public:
  explicit TempFile(const std::filesystem::path& target) {
    std::string pattern =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    name_.assign(pattern.begin(), pattern.end());
    name_.push_back('\0');
    fd_ = ::mkstemp(name_.data());
    if (fd_ < 0) Fail(errno, "cannot create a temporary file beside " + target.string());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(name_.data());
  }
  int fd() const { return fd_; }
  const char* name() const { return name_.data(); }
  void Close() {
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail(errno, "cannot close the temporary file");
  }
  void Committed() { committed_ = true; }

 private:
  std::vector<char> name_;
  int fd_ = -1;
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
  TempFile temp(path);
  WriteAll(temp.fd(), content, fault);
  if (::fsync(temp.fd()) != 0) Fail(errno, "cannot flush the temporary file");
  CopyMode(temp.fd(), path);
  temp.Close();
  if (::rename(temp.name(), path.c_str()) != 0) Fail(errno, "cannot replace " + path.string());
  temp.Committed();
  SyncFolder(path.parent_path());
}

}  // namespace velkor::sim
