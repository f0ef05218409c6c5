#include "os/linux/OsPaths.h"

#include <cstdlib>

namespace velkor::sim {

namespace fs = std::filesystem;

namespace {

const fs::path kRegistryTail = fs::path("velkor") / "registry.json";

}  // namespace

std::optional<fs::path> AbsolutePathFromEnvironment(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr) return std::nullopt;
  fs::path path(value);
  if (!path.is_absolute()) return std::nullopt;
  return path;
}

std::optional<fs::path> XdgHome(const char* variable, const fs::path& fallbackUnderHome) {
  if (auto own = AbsolutePathFromEnvironment(variable)) return own;
  if (auto home = AbsolutePathFromEnvironment("HOME")) return *home / fallbackUnderHome;
  return std::nullopt;
}

OsPaths OsPathsFromEnvironment() {
  OsPaths paths;
  paths.configHome = XdgHome("XDG_CONFIG_HOME", ".config").value_or(fs::path());
  paths.stateHome = XdgHome("XDG_STATE_HOME", fs::path(".local") / "state").value_or(fs::path());
  paths.systemDir = AbsolutePathFromEnvironment("VELKOR_SYSTEM_DIR").value_or("/etc");
  paths.userRegistry = paths.configHome.empty() ? fs::path() : paths.configHome / kRegistryTail;
  paths.machineRegistry = AbsolutePathFromEnvironment("VELKOR_MACHINE_REGISTRY")
                              .value_or(fs::path("/etc") / kRegistryTail);
  return paths;
}

OsPaths OsPathsUnder(const fs::path& root) {
  OsPaths paths;
  paths.configHome = root / "config";
  paths.stateHome = root / "state";
  paths.systemDir = root / "system";
  paths.userRegistry = paths.configHome / kRegistryTail;
  paths.machineRegistry = root / "machine-registry.json";
  return paths;
}

std::optional<std::filesystem::path> ExecutableFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) return std::nullopt;
  return exe.parent_path();
}

}  // namespace velkor::sim
