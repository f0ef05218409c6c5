#include "FuzzHost.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <system_error>

namespace velkor::fuzz {

namespace {

std::filesystem::path& Folder() {
  static std::filesystem::path folder;
  return folder;
}

// Registered before the session exists, so run after it has ended.
void RemoveFolder() {
  std::error_code ec;
  std::filesystem::remove_all(Folder(), ec);
}

std::filesystem::path PrivateFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "velkor-fuzz-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) std::abort();
  const std::filesystem::path folder = Folder() = pattern;
  std::atexit(RemoveFolder);
  for (const char* name : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"})
    ::setenv(name, (folder / name).c_str(), 1);
  ::setenv("VELKOR_SYSTEM_DIR", (folder / "system").c_str(), 1);
  ::setenv("VELKOR_MACHINE_REGISTRY", (folder / "machine-registry.json").c_str(), 1);
  std::filesystem::create_directories(folder / "out");
  return folder;
}

}  // namespace

sim::scenario::ScenarioSession& Session() {
  static const std::filesystem::path folder = PrivateFolder();
  static sim::scenario::Scenario scenario;
  static auto session = std::make_unique<sim::scenario::ScenarioSession>(scenario, folder / "out");
  return *session;
}

}  // namespace velkor::fuzz
