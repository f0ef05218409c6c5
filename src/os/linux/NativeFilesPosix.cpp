#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include "os/linux/NativeFiles.h"

namespace velkor::sim {

void AppendToFile(const std::filesystem::path& file, std::string_view text) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) return;
  [[maybe_unused]] const auto written = ::write(fd, text.data(), text.size());
  ::close(fd);
}

std::filesystem::path ModuleFolderOf(const void* address) {
  Dl_info info{};
  if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) return {};
  return std::filesystem::absolute(info.dli_fname).parent_path();
}

bool MayWrite(const std::filesystem::path& path) {
  return ::access(path.c_str(), W_OK) == 0;
}

}  // namespace velkor::sim
