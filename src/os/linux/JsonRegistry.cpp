#include "os/linux/JsonRegistry.h"

#include <string>

namespace velkor::sim {

using nlohmann::json;

namespace {

std::optional<os::RegistryData> DataOf(const json& value) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_number_unsigned()) return value.get<std::uint32_t>();
  return std::nullopt;
}

json JsonOf(const os::RegistryData& data) {
  return std::visit([](const auto& v) { return json(v); }, data);
}

// Each operation reads the file anew, so that keys written by another
// process or registry object are seen.
class JsonRegistryKey : public os::RegistryKey {
 public:
  JsonRegistryKey(std::shared_ptr<RegistryFile> file, std::string keyPath)
      : file_(std::move(file)), keyPath_(std::move(keyPath)) {}

  std::optional<os::RegistryData> Read(std::string_view valueName) const override {
    auto keys = file_->Load();
    if (!keys) return std::nullopt;
    const auto key = FindIgnoringCase(*keys, keyPath_);
    if (key == keys->end()) return std::nullopt;
    const auto value = FindIgnoringCase(*key, valueName);
    if (value == key->end()) return std::nullopt;
    return DataOf(*value);
  }

  bool Write(std::string_view valueName, const os::RegistryData& data) override {
    auto keys = file_->Load();
    if (!keys) return false;
    auto key = FindIgnoringCase(*keys, keyPath_);
    if (key == keys->end()) key = keys->emplace(keyPath_, json::object()).first;
    const auto value = FindIgnoringCase(*key, valueName);
    const std::string name = value == key->end() ? std::string(valueName) : value.key();
    (*key)[name] = JsonOf(data);
    return file_->Save(*keys);
  }

 private:
  std::shared_ptr<RegistryFile> file_;
  std::string keyPath_;
};

// The key as the store spells it, created when `create` is set; nullopt
// when it is missing or cannot be created.
std::optional<std::string> StoredKeyPath(const RegistryFile& file, std::string_view keyPath,
                                         bool create) {
  auto keys = file.Load();
  if (!keys) return std::nullopt;
  const auto key = FindIgnoringCase(*keys, keyPath);
  if (key != keys->end()) return key.key();
  if (!create) return std::nullopt;
  (*keys)[std::string(keyPath)] = json::object();
  if (!file.Save(*keys)) return std::nullopt;
  return std::string(keyPath);
}

}  // namespace

JsonRegistry::JsonRegistry(std::filesystem::path userFile, std::filesystem::path machineFile)
    : user_(std::make_shared<RegistryFile>(std::move(userFile), true)),
      machine_(std::make_shared<RegistryFile>(std::move(machineFile), false)) {}

std::unique_ptr<os::RegistryKey> JsonRegistry::Open(os::RegistryRoot root, std::string_view keyPath,
                                                    os::RegistryAccess access) {
  auto file = FileOf(root);
  const bool full = access == os::RegistryAccess::Full;
  if (full && !file->Writable()) return nullptr;
  auto stored = StoredKeyPath(*file, keyPath, full);
  if (!stored) return nullptr;
  return std::make_unique<JsonRegistryKey>(std::move(file), std::move(*stored));
}

std::shared_ptr<RegistryFile> JsonRegistry::FileOf(os::RegistryRoot root) const {
  return root == os::RegistryRoot::LocalMachine ? machine_ : user_;
}

}  // namespace velkor::sim
