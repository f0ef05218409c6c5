#include "standins/SimServices.h"

#include <cstdlib>

#include "control/ExcelTrendWizard.h"
#include "control/components/ProgIds.h"
#include "os/linux/ConsoleMessageBox.h"
#include "os/linux/FileLogSink.h"
#include "os/linux/IniProfileFiles.h"
#include "os/linux/JsonRegistry.h"
#include "os/linux/TeeLogSink.h"
#include "os/linux/XdgFolders.h"
#include "platform/os/OsServices.h"
#include "standins/ArmedProfileFiles.h"
#include "standins/FaultPoints.h"
#include "standins/ForeignView.h"
#include "standins/InteractiveMessageBox.h"
#include "standins/LanguageLibrary.h"
#include "standins/ShellObject.h"
#include "standins/TagSearchDialog.h"
#include "standins/components/RegisterDataComponents.h"
#include "standins/components/chart/RegisterChart.h"
#include "support/Language.h"
#include "support/ResourceStrings.h"

namespace velkor::sim {

namespace {

void RegisterClasses(ObjectRegistry& registry, const SimOptions& options) {
  registry.Register(ShellObject::kProgId, [] { return std::make_shared<ShellObject>(); });
  registry.Register(ResourceStrings::kProgId, [] { return std::make_shared<ResourceStrings>(); });
  registry.Register(component::kTagSearchDialogProgId,
                    [] { return std::make_shared<TagSearchDialog>(); });
  registry.Register(kExcelTrendWizardProgId, [] { return std::make_shared<ExcelTrendWizard>(); });
  RegisterChartComponent(registry);
  RegisterDataComponents(registry);
  if (options.languageLibraries)
    RegisterLanguageLibraries(registry, options.dataDir.value_or(SimDataDir()) / "lang");
}

void AddOsStandIns(SimServices& sim, const SimOptions& options) {
  sim.osPaths = options.osPaths.value_or(OsPathsFromEnvironment());
  sim.registry =
      std::make_shared<JsonRegistry>(sim.osPaths.userRegistry, sim.osPaths.machineRegistry);
  sim.profiles = std::make_shared<ArmedProfileFiles>(std::make_shared<IniProfileFiles>());
  sim.folders = std::make_shared<XdgFolders>(sim.osPaths);
}

std::shared_ptr<os::MessageBox> MessageBoxFor(const SimServices& sim, const SimOptions& options) {
  if (!options.consoleMessageBox) return sim.messageBox;
  return std::make_shared<InteractiveMessageBox>(sim.messageBox, ConsoleMessageBox::OnTerminal());
}

std::shared_ptr<os::LogSink> LogSinkFor(const SimServices& sim, const SimOptions& options) {
  if (!options.logToFile || sim.osPaths.stateHome.empty()) return sim.log;
  auto file = std::make_shared<FileLogSink>(sim.osPaths.LogFile());
  return std::make_shared<TeeLogSink>(std::vector<std::shared_ptr<os::LogSink>>{sim.log, file});
}

}  // namespace

std::filesystem::path SimDataDir() {
  const char* fromEnvironment = std::getenv("VELKOR_DATA_DIR");
  if (fromEnvironment && *fromEnvironment) return fromEnvironment;
  if (const auto folder = ExecutableFolder()) {
    std::error_code ec;
    const auto installed = *folder / ".." / "share" / "velkor";
    if (std::filesystem::is_directory(installed, ec)) return installed.lexically_normal();
  }
  return VELKOR_DATA_DIR;
}

// The registry's objects as views.
class ByNameFactory : public os::ObjectFactory {
 public:
  explicit ByNameFactory(std::shared_ptr<ObjectRegistry> registry)
      : registry_(std::move(registry)) {}
  ObjectPtr CreateObject(std::string_view progId) override {
    return ForeignView::Wrap(registry_->CreateObject(progId));
  }

 private:
  std::shared_ptr<ObjectRegistry> registry_;
};

SimServices InstallSimServices(const SimOptions& options) {
  SimServices sim;
  sim.objects = std::make_shared<ObjectRegistry>();
  sim.messageBox = std::make_shared<ScriptedMessageBox>();
  sim.log = std::make_shared<MemoryLogSink>();
  RegisterClasses(*sim.objects, options);
  AddOsStandIns(sim, options);

  os::Services services;
  services.objects = sim.objects;
  if (options.byName) services.objects = std::make_shared<ByNameFactory>(sim.objects);
  services.messageBox = MessageBoxFor(sim, options);
  services.log = LogSinkFor(sim, options);
  services.registry = sim.registry;
  services.profiles = sim.profiles;
  services.folders = sim.folders;
  os::InstallOsServices(std::move(services));
  ResetThreadLanguage();
  ClearTagSearchScript();
  ClearFaults();
  return sim;
}

}  // namespace velkor::sim
