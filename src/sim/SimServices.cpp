#include "sim/SimServices.h"

#include <cstdlib>

#include "platform/os/OsServices.h"
#include "sim/LanguageLibrary.h"
#include "sim/ShellObject.h"
#include "support/Language.h"
#include "support/ResourceStrings.h"

namespace velkor::sim {

namespace {

void RegisterClasses(ObjectRegistry& registry, const SimOptions& options) {
  registry.Register(ShellObject::kProgId, [] { return std::make_shared<ShellObject>(); });
  registry.Register(ResourceStrings::kProgId, [] { return std::make_shared<ResourceStrings>(); });
  if (options.languageLibraries)
    RegisterLanguageLibraries(registry, options.dataDir.value_or(SimDataDir()) / "lang");
}

}  // namespace

std::filesystem::path SimDataDir() {
  const char* fromEnvironment = std::getenv("VELKOR_DATA_DIR");
  if (fromEnvironment && *fromEnvironment) return fromEnvironment;
  return VELKOR_DATA_DIR;
}

SimServices InstallSimServices(const SimOptions& options) {
  SimServices sim{std::make_shared<ObjectRegistry>(), std::make_shared<ScriptedMessageBox>(),
                  std::make_shared<MemoryLogSink>()};
  RegisterClasses(*sim.objects, options);

  os::Services services;
  services.objects = sim.objects;
  services.messageBox = sim.messageBox;
  services.log = sim.log;
  os::InstallOsServices(std::move(services));
  ResetThreadLanguage();
  return sim;
}

}  // namespace velkor::sim
