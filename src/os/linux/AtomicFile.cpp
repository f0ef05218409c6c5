#include "os/linux/AtomicFile.h"

#include <cctype>

namespace velkor::sim {

bool IsTempNameOf(const std::string& name, const std::string& target) {
  const std::string prefix = "." + target + ".";
  if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) return false;
  for (std::size_t i = prefix.size(); i < name.size(); ++i)
    if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
  return true;
}

std::vector<std::filesystem::path> TempFilesOf(const std::filesystem::path& target) {
  const std::filesystem::path folder =
      target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
  std::vector<std::filesystem::path> found;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (IsTempNameOf(it->path().filename().string(), target.filename().string()))
      found.push_back(it->path());
  }
  return found;
}

const std::error_category& ReadRefusalCategory() {
  static const struct : std::error_category {
    const char* name() const noexcept override { return "read refusal"; }
    std::string message(int code) const override {
      return static_cast<ReadRefusal>(code) == ReadRefusal::NotRegularFile
                 ? "not a regular file"
                 : "larger than " + std::to_string(kMaxReadBytes >> 20) + " MB";
    }
  } category;
  return category;
}

}  // namespace velkor::sim
