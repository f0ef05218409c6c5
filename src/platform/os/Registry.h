// Registry: the system's hierarchical settings store, with one root for the
// current user and one for the whole machine.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace velkor::os {

enum class RegistryRoot { CurrentUser, LocalMachine };
enum class RegistryAccess { Read, Full };

// A value's data: a string value or a double-word value.
using RegistryData = std::variant<std::string, std::uint32_t>;

// An open key; closing it is destroying it.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // The value named `valueName` (letter case ignored); nullopt when absent.
  virtual std::optional<RegistryData> Read(std::string_view valueName) const = 0;
  // Sets the value; false when it could not be stored.
  virtual bool Write(std::string_view valueName, const RegistryData& data) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens `keyPath` ("SOFTWARE\Microsoft\Windows\Help"; letter case ignored)
  // under `root`. Read access opens only a key that exists; full access
  // creates a missing key. nullptr when the key cannot be opened, which for
  // full access includes a root the process may not write.
  virtual std::unique_ptr<RegistryKey> Open(RegistryRoot root, std::string_view keyPath,
                                            RegistryAccess access) = 0;
};

}  // namespace velkor::os
