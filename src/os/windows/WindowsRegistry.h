// WindowsRegistry: the Registry interface on the system registry. Texts are
// UTF-8 here and UTF-16 in the registry, so any character survives a round
// trip; the current-user root is HKEY_CURRENT_USER, the machine-wide root
// HKEY_LOCAL_MACHINE.
#pragma once

#include "platform/os/Registry.h"

namespace velkor::sim {

class WindowsRegistry : public os::Registry {
 public:
  // Read access opens with KEY_READ; full access creates the key with
  // KEY_READ | KEY_WRITE, which fails on a root the account may not write.
  std::unique_ptr<os::RegistryKey> Open(os::RegistryRoot root, std::string_view keyPath,
                                        os::RegistryAccess access) override;
};

}  // namespace velkor::sim
