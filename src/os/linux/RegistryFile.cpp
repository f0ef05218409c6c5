#include "os/linux/RegistryFile.h"

#include <system_error>

#include "os/linux/AtomicFile.h"
#include "os/linux/NativeFiles.h"
#include "platform/VbString.h"

namespace velkor::sim {

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

bool IsRegistryDocument(const json& document) {
  if (!document.is_object()) return false;
  for (const auto& [name, values] : document.items()) {
    if (!values.is_object()) return false;
  }
  return true;
}

}  // namespace

RegistryFile::RegistryFile(fs::path file, bool createFolder)
    : file_(std::move(file)), createFolder_(createFolder) {}

std::optional<json> RegistryFile::Load() const {
  std::error_code error;
  if (!fs::exists(file_, error)) return error ? std::nullopt : std::optional(json::object());
  try {
    json document = json::parse(ReadWholeFile(file_));
    if (IsRegistryDocument(document)) return document;
  } catch (const std::system_error&) {
  } catch (const json::exception&) {
  }
  return std::nullopt;
}

bool RegistryFile::Writable() const {
  if (file_.empty()) return false;
  if (createFolder_) return true;
  std::error_code error;
  const fs::path folder = file_.parent_path();
  if (!fs::is_directory(folder, error) || !MayWrite(folder)) return false;
  return !fs::exists(file_, error) || MayWrite(file_);
}

bool RegistryFile::Save(const json& keys) const {
  if (!Writable()) return false;
  try {
    if (createFolder_) fs::create_directories(file_.parent_path());
    WriteFileAtomically(file_, keys.dump(2) + "\n");
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

json::iterator FindIgnoringCase(json& object, std::string_view name) {
  for (auto it = object.begin(); it != object.end(); ++it) {
    if (vb::EqualsText(it.key(), name)) return it;
  }
  return object.end();
}

}  // namespace velkor::sim
