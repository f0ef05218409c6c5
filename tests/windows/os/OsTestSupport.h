// What the tests of the Windows services share: one COM apartment for the
// run, a scratch folder, profile files written in a chosen encoding, a
// scratch registry key removed after each test, and a project object that
// records the calls it gets.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/Object.h"

namespace velkor::ostest {

// A fresh folder below the temporary folder, removed with the object.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::filesystem::path& path() const { return path_; }
  // The UTF-8 name of `name` inside the folder, with "\" separators.
  std::string File(std::string_view name) const;

 private:
  std::filesystem::path path_;
};

// Writes `utf8` to `file`: as UTF-16LE with a byte-order mark, or as bytes
// (which the profile calls read in the ANSI code page).
void WriteUtf16File(const std::string& file, std::string_view utf8);
void WriteBytesFile(const std::string& file, std::string_view bytes);

// A key below HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE for one test, deleted
// with everything below it when the test ends.
class ScratchKey {
 public:
  explicit ScratchKey(HKEY root);
  ~ScratchKey();
  const std::string& path() const { return path_; }
  HKEY root() const { return root_; }

 private:
  HKEY root_;
  std::string path_;
};

// A project object that records each call ("Member(arg, arg)") and answers
// through `answer`, which may raise.
class CallLog : public Object {
 public:
  using Answer = std::function<Variant(std::string_view member, std::span<Variant> args)>;
  explicit CallLog(std::string typeName, Answer answer = {})
      : typeName_(std::move(typeName)), answer_(std::move(answer)) {}
  std::string TypeName() const override { return typeName_; }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

  std::vector<std::string> calls;

 private:
  std::string typeName_;
  Answer answer_;
};

// A CallLog whose every member raises error `number`.
std::shared_ptr<CallLog> Failing(std::string typeName, std::int32_t number);

}  // namespace velkor::ostest
