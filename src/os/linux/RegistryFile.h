// RegistryFile: one root of the stand-in registry, kept as a JSON file: an
// object of keys by path, each an object of values by name (a string value
// as a JSON string, a double-word value as a number).
#pragma once

#include <filesystem>
#include <optional>

#include <nlohmann/json.hpp>

namespace velkor::sim {

class RegistryFile {
 public:
  // `createFolder`: a save creates the file's missing folders (a user's
  // own folder); otherwise the folder must exist (an installation's).
  RegistryFile(std::filesystem::path file, bool createFolder);

  // The stored keys; an empty object when the file does not exist yet,
  // nullopt when it cannot be read or is no registry file. Such a file is
  // never overwritten, so that a damaged store is not lost.
  std::optional<nlohmann::json> Load() const;
  // Whether this process may write the file.
  bool Writable() const;
  // Replaces the file whole; false when it cannot be written.
  bool Save(const nlohmann::json& keys) const;

 private:
  std::filesystem::path file_;
  bool createFolder_;
};

// The member of `object` named `name` with letter case ignored; end() when
// there is none.
nlohmann::json::iterator FindIgnoringCase(nlohmann::json& object, std::string_view name);

}  // namespace velkor::sim
