// InstallSimServices: puts the stand-ins for the operating-system services in
// place for the calling thread, as a host would before it creates controls,
// and hands back the stand-ins so that tests and the CLI can script and
// inspect them.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "os/linux/ObjectRegistry.h"
#include "os/linux/OsPaths.h"
#include "platform/os/Folders.h"
#include "platform/os/ProfileFiles.h"
#include "platform/os/Registry.h"
#include "standins/MemoryLogSink.h"
#include "standins/ScriptedMessageBox.h"

namespace velkor::sim {

// The ProgID of the trend control itself, under which the host inserts it.
inline constexpr std::string_view kExcelTrendWizardProgId = "Velkor.ExcelTrendWizard";

struct SimOptions {
  // Register a "KVRT<locale>.ResourceStrings" library for every table in
  // <dataDir>/lang. Off: only the own table is available.
  bool languageLibraries = true;
  // The data folder; empty: SimDataDir().
  std::optional<std::filesystem::path> dataDir;
  // Where the registry, profile files, folders and log file are; empty:
  // OsPathsFromEnvironment(). Tests pass OsPathsUnder(a temporary folder).
  std::optional<OsPaths> osPaths = std::nullopt;
  // Append every report to OsPaths::LogFile() as well as keeping it in memory.
  bool logToFile = true;
  // Boxes without a scripted answer are asked on the terminal when there is
  // one (interactive commands); off, they press the default button.
  bool consoleMessageBox = false;
  // Objects created by ProgID reach the calling thread as views seen only by
  // name (ForeignView.h); the host's own frames still hold the objects.
  bool byName = false;
};

struct SimServices {
  std::shared_ptr<ObjectRegistry> objects;
  std::shared_ptr<ScriptedMessageBox> messageBox;
  std::shared_ptr<MemoryLogSink> log;
  std::shared_ptr<os::Registry> registry;
  std::shared_ptr<os::ProfileFiles> profiles;
  std::shared_ptr<os::Folders> folders;
  OsPaths osPaths;
};

// The folder of the shipped data: the environment variable VELKOR_DATA_DIR
// when it is set and not empty; else share/velkor beside the executable's
// folder (an installed velkor: PREFIX/bin/velkor, PREFIX/share/velkor) when
// it exists; else the source tree's data folder the build was configured
// with.
std::filesystem::path SimDataDir();

// Installs fresh stand-ins for the calling thread, replacing whatever it had,
// and drops the thread's current language object, scripted tag searches and
// armed faults (FaultPoints.h), so that each installation starts like a new
// host session. Registers "WScript.Shell", "Velkor.ResourceStrings", the
// tag-search dialog and the language libraries.
SimServices InstallSimServices(const SimOptions& options = {});

}  // namespace velkor::sim
