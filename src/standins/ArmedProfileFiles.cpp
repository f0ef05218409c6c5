#include "standins/ArmedProfileFiles.h"

#include "standins/FaultPoints.h"

namespace velkor::sim {

bool ArmedProfileFiles::Exists(std::string_view file) {
  ThrowIfArmed("ProfileFiles.Exists");
  return files_->Exists(file);
}

std::string ArmedProfileFiles::ReadString(std::string_view file, std::string_view section,
                                          std::string_view key, std::string_view defaultValue,
                                          std::int32_t bufferSize) {
  ThrowIfArmed("ProfileFiles.ReadString");
  return files_->ReadString(file, section, key, defaultValue, bufferSize);
}

std::string ArmedProfileFiles::ReadSection(std::string_view file, std::string_view section,
                                           std::int32_t bufferSize) {
  ThrowIfArmed("ProfileFiles.ReadSection");
  return files_->ReadSection(file, section, bufferSize);
}

}  // namespace velkor::sim
