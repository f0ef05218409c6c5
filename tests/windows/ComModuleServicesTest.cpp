// Which services velkor.dll installs on a thread: the Windows set for a real
// desktop, the file-backed set when VELKOR_OS_SERVICES=files (which keeps
// tests away from the shell's Popup and the machine's registry), and never a
// second set over one the thread already has.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "com/server/Module.h"
#include "os/linux/JsonRegistry.h"
#include "os/windows/ShellPopupMessageBox.h"
#include "os/windows/WindowsRegistry.h"
#include "platform/os/OsServices.h"

namespace velkor::com {
namespace {

// What a new thread gets from EnsureThreadServices with `choice` in the
// environment ("" for unset): the kind of registry and whether a message box
// is installed.
struct Installed {
  bool windowsRegistry = false;
  bool fileRegistry = false;
  bool shellMessageBox = false;
};

Installed InstalledWith(const char* choice) {
  const char* before = std::getenv("VELKOR_OS_SERVICES");
  const std::string saved = before ? before : "";
  _putenv_s("VELKOR_OS_SERVICES", choice);
  Installed installed;
  std::thread([&] {
    EnsureThreadServices();
    const os::Services& services = os::OsServices();
    installed.windowsRegistry =
        dynamic_cast<sim::WindowsRegistry*>(services.registry.get()) != nullptr;
    installed.fileRegistry = dynamic_cast<sim::JsonRegistry*>(services.registry.get()) != nullptr;
    installed.shellMessageBox =
        dynamic_cast<sim::ShellPopupMessageBox*>(services.messageBox.get()) != nullptr;
  }).join();
  _putenv_s("VELKOR_OS_SERVICES", saved.c_str());
  return installed;
}

TEST(ModuleServices, TheEnvironmentChoosesTheSet) {
  struct Row {
    const char* choice;
    bool windows;
  };
  const Row rows[] = {{"", true}, {"files", false}, {"desktop", true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.choice);
    const Installed installed = InstalledWith(row.choice);
    EXPECT_EQ(installed.windowsRegistry, row.windows);
    EXPECT_EQ(installed.shellMessageBox, row.windows);
    EXPECT_EQ(installed.fileRegistry, !row.windows);
  }
}

TEST(ModuleServices, AThreadKeepsTheServicesItHas) {
  std::thread([] {
    os::Services own;
    own.registry = std::make_shared<sim::WindowsRegistry>();
    os::InstallOsServices(own);
    const auto* registry = os::OsServices().registry.get();
    EnsureThreadServices();
    EXPECT_EQ(os::OsServices().registry.get(), registry);
    EXPECT_FALSE(os::OsServices().objects);
  }).join();
}

}  // namespace
}  // namespace velkor::com
