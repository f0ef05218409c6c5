// Which services velkor.dll installs on a thread: the Windows set for a real
// desktop, the file-backed set when VELKOR_OS_SERVICES=files (which keeps
// tests away from the shell's Popup and the machine's registry), and never a
// second set over one the thread already has.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "com/bridge/Bstr.h"
#include "com/server/Module.h"
#include "os/linux/JsonRegistry.h"
#include "os/windows/ShellPopupMessageBox.h"
#include "os/windows/WindowsFolders.h"
#include "os/windows/WindowsRegistry.h"
#include "platform/os/LogSink.h"
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

// Sets an environment variable ("" removes it) for the object's life.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    const char* before = std::getenv(name);
    saved_ = before ? before : "";
    _putenv_s(name, value);
  }
  ~ScopedVariable() { _putenv_s(name_, saved_.c_str()); }

 private:
  const char* name_;
  std::string saved_;
};

Installed InstalledWith(const char* choice) {
  ScopedVariable variable("VELKOR_OS_SERVICES", choice);
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

// Without a state folder a relative log path would put the log in the host's
// current folder; it goes below the local application data instead.
TEST(ModuleServices, WithoutAStateFolderTheLogGoesBelowLocalApplicationData) {
  const std::string marker = "report " + std::to_string(GetTickCount64());
  for (const char* choice : {"files", ""}) {
    SCOPED_TRACE(choice);
    ScopedVariable services("VELKOR_OS_SERVICES", choice);
    ScopedVariable state("XDG_STATE_HOME", "");
    ScopedVariable home("HOME", "");
    ScopedVariable logger("VELKOR_LOG_PROGID", "");
    std::thread([&] {
      EnsureThreadServices();
      os::OsServices().log->Write(marker + choice);
    }).join();
    std::ifstream log(std::filesystem::path(com::ToWide(sim::LocalApplicationData())) / L"velkor" /
                      L"velkor.log");
    const std::string text{std::istreambuf_iterator<char>(log), {}};
    EXPECT_NE(text.find(marker + choice), std::string::npos);
  }
}

}  // namespace
}  // namespace velkor::com
