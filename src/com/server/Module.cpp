#include "com/server/Module.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string_view>

#include "adapters/InstallAdapters.h"
#include "com/bridge/Bstr.h"
#include "os/linux/FileLogSink.h"
#include "os/linux/IniProfileFiles.h"
#include "os/linux/JsonRegistry.h"
#include "os/linux/ObjectRegistry.h"
#include "os/linux/OsPaths.h"
#include "os/linux/XdgFolders.h"
#include "os/windows/WindowsFolders.h"
#include "os/windows/WindowsServices.h"
#include "platform/os/OsServices.h"
#include "support/ResourceStrings.h"

namespace velkor::com {

namespace {

HMODULE gModule = nullptr;

}  // namespace

HMODULE ModuleHandle() {
  return gModule;
}
void SetModuleHandle(HMODULE module) {
  gModule = module;
}

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(gModule, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

namespace {

// VELKOR_OS_SERVICES=files selects the file-backed services (tests, the
// script suite): no window, no change to the machine's registry.
// VELKOR_OS_SERVICES=container keeps the file-backed registry, profile files
// and folders but creates objects, shows messages and logs through COM, as
// on a desktop: the host stand-in's runs, whose process serves those classes.
std::string_view ServicesWanted() {
  const char* choice = std::getenv("VELKOR_OS_SERVICES");
  return choice ? std::string_view(choice) : std::string_view();
}

// The log file of the file-backed set, or, where no state folder is set (as
// on an ordinary Windows account, where a relative path would put it in the
// host's current folder), one below the local application data.
std::filesystem::path LogFileOf(const sim::OsPaths& paths) {
  if (!paths.stateHome.empty()) return paths.LogFile();
  const std::string local = sim::LocalApplicationData();
  if (local.empty()) return {};
  const auto folder = std::filesystem::path(com::ToWide(local)) / L"velkor";
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return folder / L"velkor.log";
}

// A factory that makes the library's own creatable class in process.
template <class Factory>
std::shared_ptr<Factory> WithOwnClasses() {
  auto objects = std::make_shared<Factory>();
  objects->Register(ResourceStrings::kProgId, [] { return std::make_shared<ResourceStrings>(); });
  return objects;
}

// The registry, profile files and folders kept in files.
void UseFileStores(os::Services& services, const sim::OsPaths& paths) {
  services.registry =
      std::make_shared<sim::JsonRegistry>(paths.userRegistry, paths.machineRegistry);
  services.profiles = std::make_shared<sim::IniProfileFiles>();
  services.folders = std::make_shared<sim::XdgFolders>(paths);
}

os::Services FileBackedServices(const sim::OsPaths& paths) {
  os::Services services;
  services.objects = WithOwnClasses<sim::ObjectRegistry>();
  UseFileStores(services, paths);
  services.log = std::make_shared<sim::FileLogSink>(LogFileOf(paths));
  return services;
}

os::Services DesktopServices(const sim::OsPaths& paths) {
  return sim::WindowsServices(WithOwnClasses<sim::ComObjectFactory>(),
                              sim::LogComponentFromEnvironment(),
                              std::make_shared<sim::FileLogSink>(LogFileOf(paths)));
}

os::Services ContainerServices(const sim::OsPaths& paths) {
  os::Services services = DesktopServices(paths);
  UseFileStores(services, paths);
  return services;
}

}  // namespace

void EnsureThreadServices() {
  // The host and the components reach the control as outside COM objects;
  // the adapters give them the interfaces the control uses.
  adapters::InstallAdapters();
  os::Services& current = os::OsServices();
  if (current.registry) return;
  const sim::OsPaths paths = sim::OsPathsFromEnvironment();
  const std::string_view wanted = ServicesWanted();
  os::InstallOsServices(wanted == "files"       ? FileBackedServices(paths)
                        : wanted == "container" ? ContainerServices(paths)
                                                : DesktopServices(paths));
}

}  // namespace velkor::com
