// ArmedProfileFiles: profile files that can refuse a read. Each read first
// passes the failure point of its name ("ProfileFiles.Exists", ...), so that
// a test or scenario sees how the control handles a settings file that
// cannot be read, then goes to the real profile files underneath.
#pragma once

#include <memory>

#include "platform/os/ProfileFiles.h"

namespace velkor::sim {

class ArmedProfileFiles : public os::ProfileFiles {
 public:
  explicit ArmedProfileFiles(std::shared_ptr<os::ProfileFiles> files) : files_(std::move(files)) {}

  bool Exists(std::string_view file) override;
  std::string ReadString(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view defaultValue, std::int32_t bufferSize) override;
  std::string ReadSection(std::string_view file, std::string_view section,
                          std::int32_t bufferSize) override;

 private:
  std::shared_ptr<os::ProfileFiles> files_;
};

}  // namespace velkor::sim
