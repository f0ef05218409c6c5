#include "os/windows/WindowsRegistry.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "com/bridge/Bstr.h"

namespace velkor::sim {

namespace {

// An open HKEY, closed with the object. Values of kinds the interface has no
// data for (binary, multi-string, 64-bit) read as absent.
class WindowsRegistryKey : public os::RegistryKey {
 public:
  explicit WindowsRegistryKey(HKEY key) : key_(key) {}
  WindowsRegistryKey(const WindowsRegistryKey&) = delete;
  WindowsRegistryKey& operator=(const WindowsRegistryKey&) = delete;
  ~WindowsRegistryKey() override { RegCloseKey(key_); }

  std::optional<os::RegistryData> Read(std::string_view valueName) const override;
  bool Write(std::string_view valueName, const os::RegistryData& data) override;

 private:
  HKEY key_;
};

// The text of REG_SZ data: up to the first NUL, which the writer may have
// left out or doubled.
std::string TextOf(const std::vector<BYTE>& bytes) {
  const auto* chars = reinterpret_cast<const wchar_t*>(bytes.data());
  std::size_t length = 0;
  const std::size_t count = bytes.size() / sizeof(wchar_t);
  while (length < count && chars[length] != L'\0') ++length;
  return com::FromWide(chars, length);
}

std::optional<os::RegistryData> WindowsRegistryKey::Read(std::string_view valueName) const {
  const std::wstring name = com::ToWide(valueName);
  std::vector<BYTE> bytes(64);
  DWORD type = 0;
  for (;;) {  // the value may grow between the two calls
    DWORD size = static_cast<DWORD>(bytes.size());
    const LSTATUS status =
        RegQueryValueExW(key_, name.c_str(), nullptr, &type, bytes.data(), &size);
    if (status == ERROR_MORE_DATA) {
      bytes.resize(size + sizeof(wchar_t));
      continue;
    }
    if (status != ERROR_SUCCESS) return std::nullopt;
    bytes.resize(size);
    break;
  }
  if (type == REG_SZ || type == REG_EXPAND_SZ) return TextOf(bytes);
  if (type == REG_DWORD && bytes.size() == sizeof(DWORD)) {
    DWORD value = 0;
    std::memcpy(&value, bytes.data(), sizeof value);
    return static_cast<std::uint32_t>(value);
  }
  return std::nullopt;
}

bool WindowsRegistryKey::Write(std::string_view valueName, const os::RegistryData& data) {
  const std::wstring name = com::ToWide(valueName);
  LSTATUS status = ERROR_SUCCESS;
  if (const auto* text = std::get_if<std::string>(&data)) {
    // A NUL inside would end the stored text there: refused, not cut.
    if (text->find('\0') != std::string::npos) return false;
    const std::wstring wide = com::ToWide(*text);
    const DWORD size = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
    status = RegSetValueExW(key_, name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(wide.c_str()), size);
  } else {
    const DWORD value = std::get<std::uint32_t>(data);
    status = RegSetValueExW(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                            sizeof value);
  }
  return status == ERROR_SUCCESS;
}

HKEY RootKey(os::RegistryRoot root) {
  return root == os::RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

std::unique_ptr<os::RegistryKey> WindowsRegistry::Open(os::RegistryRoot root,
                                                       std::string_view keyPath,
                                                       os::RegistryAccess access) {
  const std::wstring path = com::ToWide(keyPath);
  HKEY key = nullptr;
  LSTATUS status = ERROR_SUCCESS;
  if (access == os::RegistryAccess::Read) {
    status = RegOpenKeyExW(RootKey(root), path.c_str(), 0, KEY_READ, &key);
  } else {
    status = RegCreateKeyExW(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
  }
  if (status != ERROR_SUCCESS) return nullptr;
  return std::make_unique<WindowsRegistryKey>(key);
}

}  // namespace velkor::sim
