#include "OsTestSupport.h"

#include <objbase.h>

#include <atomic>
#include <fstream>

#include "com/bridge/Bstr.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"

namespace velkor::ostest {

namespace {

std::string UniqueName(std::string_view stem) {
  static std::atomic<int> counter{0};
  return std::string(stem) + "-" + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(++counter);
}

}  // namespace

ScratchFolder::ScratchFolder()
    : path_(std::filesystem::temp_directory_path() / UniqueName("velkor-os")) {
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::File(std::string_view name) const {
  const std::wstring full = (path_ / com::ToWide(name)).wstring();
  return com::FromWide(full.data(), full.size());
}

void WriteUtf16File(const std::string& file, std::string_view utf8) {
  const std::wstring text = L"\xFEFF" + com::ToWide(utf8);
  WriteBytesFile(file, std::string_view(reinterpret_cast<const char*>(text.data()),
                                        text.size() * sizeof(wchar_t)));
}

void WriteBytesFile(const std::string& file, std::string_view bytes) {
  std::ofstream out(std::filesystem::path(com::ToWide(file)), std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ScratchKey::ScratchKey(HKEY root)
    : root_(root), path_("Software\\VelkorTests\\" + UniqueName("key")) {}

ScratchKey::~ScratchKey() {
  RegDeleteTreeW(root_, com::ToWide(path_).c_str());
}

Variant CallLog::Invoke(std::string_view member, InvokeKind, std::span<Variant> args) {
  std::string call(member);
  call += "(";
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i) call += ", ";
    call += args[i].IsMissing() ? std::string("Missing") : CStr(args[i]);
  }
  calls.push_back(call + ")");
  if (!answer_) Raise(err::kNoSupport);
  return answer_(member, args);
}

std::shared_ptr<CallLog> Failing(std::string typeName, std::int32_t number) {
  return std::make_shared<CallLog>(
      std::move(typeName),
      [number](std::string_view, std::span<Variant>) -> Variant { Raise(number); });
}

}  // namespace velkor::ostest
