#include "parts/archive/DemoArchiveCache.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <string>

#include "parts/archive/DemoArchive.h"
#include "platform/VbError.h"

namespace velkor::sim {

namespace {

namespace fs = std::filesystem;

std::optional<fs::path> AbsoluteFromEnvironment(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr) return std::nullopt;
  fs::path path(value);
  if (!path.is_absolute()) return std::nullopt;
  return path;
}

std::optional<ArchiveStore> OpenIfCurrent(const fs::path& file, const std::string& parameters) {
  std::error_code ec;
  if (!fs::exists(file, ec)) return std::nullopt;
  try {
    ArchiveStore store = ArchiveStore::Open(file, ArchiveAccess::Read);
    if (store.Info(kDemoParametersKey) == parameters) return store;
  } catch (const VbError&) {
    // Damaged or foreign: generated anew below.
  }
  return std::nullopt;
}

// A name next to `file` that no other writer uses at the same time.
fs::path TemporaryName(const fs::path& file) {
  static std::atomic<unsigned> counter{0};
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path name = file;
  name += ".tmp-" + std::to_string(ticks) + "-" + std::to_string(counter++);
  return name;
}

// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(fs::path path) : path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    std::error_code ec;
    fs::remove(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// Readers see the old file or the new one, never a half-written archive.
void Regenerate(const fs::path& file, DateValue now) {
  fs::create_directories(file.parent_path());
  TemporaryFile temporary(TemporaryName(file));
  {
    ArchiveStore store = ArchiveStore::Open(temporary.path(), ArchiveAccess::Write);
    GenerateDemoArchive(store, now);
  }
  fs::rename(temporary.path(), file);
}

}  // namespace

std::optional<fs::path> DefaultDemoArchivePath() {
  const fs::path tail = fs::path("velkor") / "demo-archive.db";
  if (auto cache = AbsoluteFromEnvironment("XDG_CACHE_HOME")) return *cache / tail;
  if (auto home = AbsoluteFromEnvironment("HOME")) return *home / ".cache" / tail;
  return std::nullopt;
}

ArchiveStore OpenCachedDemoArchive(const fs::path& file, DateValue now) {
  const std::string parameters = DemoArchiveParameters(now);
  if (auto store = OpenIfCurrent(file, parameters)) return std::move(*store);
  try {
    Regenerate(file, now);
    return ArchiveStore::Open(file, ArchiveAccess::Read);
  } catch (const fs::filesystem_error&) {
    // The cache only saves time: without a writable folder, use memory.
  } catch (const VbError&) {
    // Likewise when the file cannot be created or written.
  }
  return OpenDemoArchive(now);
}

}  // namespace velkor::sim
