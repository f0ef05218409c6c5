#include "os/linux/AtomicFile.h"

#include <cerrno>
#include <fstream>
#include <sstream>
#include <system_error>

namespace velkor::sim {

namespace {

[[noreturn]] void Fail(int error, const std::string& step) {
  throw std::system_error(error, std::generic_category(), step);
}

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) Fail(EISDIR, "cannot read " + path.string());
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail(errno ? errno : ENOENT, "cannot open " + path.string());
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) Fail(EIO, "cannot read " + path.string());
  return text.str();
}

}  // namespace velkor::sim
