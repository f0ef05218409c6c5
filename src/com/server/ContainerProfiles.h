// ContainerProfiles: the profile files a container supplies through its
// client site (kSidContainerProfiles), as the thread's profile service. Each
// read is one late-bound call on the container's object; its errors reach
// the caller as the container raised them.
#pragma once

#include <ocidl.h>

#include "com/bridge/ComPtr.h"
#include "platform/Object.h"
#include "platform/os/ProfileFiles.h"

namespace velkor::com {

class ContainerProfiles : public os::ProfileFiles {
 public:
  explicit ContainerProfiles(ObjectPtr service) : service_(std::move(service)) {}

  bool Exists(std::string_view file) override;
  std::string ReadString(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view defaultValue, std::int32_t bufferSize) override;
  std::string ReadSection(std::string_view file, std::string_view section,
                          std::int32_t bufferSize) override;

 private:
  ObjectPtr service_;
};

// Makes the container's profile files the calling thread's, when `site`
// offers them; otherwise leaves the thread's service as it is.
void UseContainerProfiles(const ComPtr<IOleClientSite>& site);

}  // namespace velkor::com
