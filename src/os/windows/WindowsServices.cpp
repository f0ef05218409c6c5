#include "os/windows/WindowsServices.h"

#include <cstdlib>
#include <string>

#include "os/windows/ShellPopupMessageBox.h"
#include "os/windows/WindowsFolders.h"
#include "os/windows/WindowsProfileFiles.h"
#include "os/windows/WindowsRegistry.h"

namespace velkor::sim {

namespace {

std::string EnvironmentText(const char* name, const char* otherwise = "") {
  const char* value = std::getenv(name);
  return value && *value ? std::string(value) : std::string(otherwise);
}

}  // namespace

std::optional<ComLogSink::Component> LogComponentFromEnvironment() {
  ComLogSink::Component component{EnvironmentText("VELKOR_LOG_PROGID"),
                                  EnvironmentText("VELKOR_LOG_WRITER", "Writer"),
                                  EnvironmentText("VELKOR_LOG_METHOD")};
  if (component.progId.empty()) return std::nullopt;
  return component;
}

os::Services WindowsServices(std::shared_ptr<ComObjectFactory> objects,
                             std::optional<ComLogSink::Component> logComponent,
                             std::shared_ptr<os::LogSink> fallbackLog) {
  os::Services services;
  services.objects = objects;
  services.messageBox = std::make_shared<ShellPopupMessageBox>(objects);
  services.log = std::move(fallbackLog);
  if (logComponent) services.log = std::make_shared<ComLogSink>(objects, std::move(*logComponent));
  services.registry = std::make_shared<WindowsRegistry>();
  services.profiles = std::make_shared<WindowsProfileFiles>();
  services.folders = std::make_shared<WindowsFolders>();
  return services;
}

}  // namespace velkor::sim
