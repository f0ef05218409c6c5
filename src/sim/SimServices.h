// InstallSimServices: puts the stand-ins for the operating-system services in
// place for the calling thread, as a host would before it creates controls,
// and hands back the stand-ins so that tests and the CLI can script and
// inspect them.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "sim/MemoryLogSink.h"
#include "sim/ObjectRegistry.h"
#include "sim/ScriptedMessageBox.h"

namespace velkor::sim {

struct SimOptions {
  // Register a "KVRT<locale>.ResourceStrings" library for every table in
  // <dataDir>/lang. Off: only the own table is available.
  bool languageLibraries = true;
  // The data folder; empty: SimDataDir().
  std::optional<std::filesystem::path> dataDir;
};

struct SimServices {
  std::shared_ptr<ObjectRegistry> objects;
  std::shared_ptr<ScriptedMessageBox> messageBox;
  std::shared_ptr<MemoryLogSink> log;
};

// The folder of the shipped data: the environment variable VELKOR_DATA_DIR
// when it is set and not empty, else the source tree's data folder the build
// was configured with.
std::filesystem::path SimDataDir();

// Installs fresh stand-ins for the calling thread, replacing whatever it had,
// and drops the thread's current language object, so that each installation
// starts like a new host session. Registers "WScript.Shell",
// "Velkor.ResourceStrings" and the language libraries.
SimServices InstallSimServices(const SimOptions& options = {});

}  // namespace velkor::sim
