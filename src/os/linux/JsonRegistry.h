// JsonRegistry: the stand-in registry, one JSON file per root. The machine
// root's folder is never created: where the process may not write the file
// (an ordinary account and a machine-wide file), opening a key for writing
// fails and nothing is stored.
#pragma once

#include <filesystem>
#include <memory>

#include "os/linux/RegistryFile.h"
#include "platform/os/Registry.h"

namespace velkor::sim {

class JsonRegistry : public os::Registry {
 public:
  JsonRegistry(std::filesystem::path userFile, std::filesystem::path machineFile);

  std::unique_ptr<os::RegistryKey> Open(os::RegistryRoot root, std::string_view keyPath,
                                        os::RegistryAccess access) override;

 private:
  std::shared_ptr<RegistryFile> FileOf(os::RegistryRoot root) const;

  std::shared_ptr<RegistryFile> user_;
  std::shared_ptr<RegistryFile> machine_;
};

}  // namespace velkor::sim
