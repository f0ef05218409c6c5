#include "com/server/Module.h"

#include <memory>

#include "os/linux/FileLogSink.h"
#include "os/linux/IniProfileFiles.h"
#include "os/linux/JsonRegistry.h"
#include "os/linux/ObjectRegistry.h"
#include "os/linux/OsPaths.h"
#include "os/linux/XdgFolders.h"
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

void EnsureThreadServices() {
  os::Services& current = os::OsServices();
  if (current.registry) return;
  const sim::OsPaths paths = sim::OsPathsFromEnvironment();
  auto objects = std::make_shared<sim::ObjectRegistry>();
  objects->Register(ResourceStrings::kProgId, [] { return std::make_shared<ResourceStrings>(); });
  os::Services services;
  services.objects = objects;
  services.registry =
      std::make_shared<sim::JsonRegistry>(paths.userRegistry, paths.machineRegistry);
  services.profiles = std::make_shared<sim::IniProfileFiles>();
  services.folders = std::make_shared<sim::XdgFolders>(paths);
  services.log = std::make_shared<sim::FileLogSink>(paths.LogFile());
  os::InstallOsServices(std::move(services));
}

}  // namespace velkor::com
