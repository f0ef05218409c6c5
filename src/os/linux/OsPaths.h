// Where the operating-system stand-ins keep their files.
#pragma once

#include <filesystem>
#include <optional>

namespace velkor::sim {

struct OsPaths {
  std::filesystem::path configHome;       // the user's application-data folder
  std::filesystem::path stateHome;        // holds velkor/velkor.log
  std::filesystem::path systemDir;        // the Windows folder, with "zaltpc.ini"
  std::filesystem::path userRegistry;     // the current user's registry root
  std::filesystem::path machineRegistry;  // the machine-wide registry root

  std::filesystem::path LogFile() const { return stateHome / "velkor" / "velkor.log"; }
};

// The value of an environment variable when it holds an absolute path.
std::optional<std::filesystem::path> AbsolutePathFromEnvironment(const char* variable);

// The folder of the running executable (from /proc/self/exe); nullopt when
// it cannot be found.
std::optional<std::filesystem::path> ExecutableFolder();

// An XDG base folder: $<variable> when absolute, else $HOME/<fallbackUnderHome>;
// nullopt without either.
std::optional<std::filesystem::path> XdgHome(const char* variable,
                                             const std::filesystem::path& fallbackUnderHome);

// The paths a user session has (see docs/os-services.md):
//   configHome      $XDG_CONFIG_HOME or ~/.config
//   stateHome       $XDG_STATE_HOME or ~/.local/state
//   systemDir       $VELKOR_SYSTEM_DIR or /etc
//   userRegistry    <configHome>/velkor/registry.json
//   machineRegistry $VELKOR_MACHINE_REGISTRY or /etc/velkor/registry.json
OsPaths OsPathsFromEnvironment();

// Every path below `root`, for tests and sandboxed runs: root/config,
// root/state, root/system, root/config/velkor/registry.json and
// root/machine-registry.json.
OsPaths OsPathsUnder(const std::filesystem::path& root);

}  // namespace velkor::sim
