// VbError: the runtime error every failing operation raises.
//
// An error carries the runtime's error number, the HRESULT where one applies,
// a description and a source, like the automation runtime's Err object.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace velkor {

using HRESULT = std::int32_t;

class VbError : public std::exception {
 public:
  // A runtime error by number; an empty description takes the standard one.
  explicit VbError(std::int32_t number, std::string description = {}, std::string source = {});

  // An error raised by a component as an HRESULT. Runtime HRESULTs
  // (0x800A0000 | n) become error n; every other code is its own number, so
  // 0x8004F003 keeps that value.
  static VbError FromHResult(HRESULT hr, std::string description = {}, std::string source = {});

  std::int32_t number() const { return number_; }
  HRESULT hresult() const { return hresult_; }
  const std::string& description() const { return description_; }
  const std::string& source() const { return source_; }
  const char* what() const noexcept override { return description_.c_str(); }

 private:
  std::int32_t number_;
  HRESULT hresult_;
  std::string description_;
  std::string source_;
};

// Raises VbError(number, ...) with the standard description when none is given.
[[noreturn]] void Raise(std::int32_t number, std::string source = {}, std::string description = {});
[[noreturn]] void RaiseHResult(HRESULT hr, std::string source = {}, std::string description = {});

// The runtime's standard text for an error number ("Type mismatch" for 13);
// "Application-defined or object-defined error" for numbers it does not know.
std::string StandardDescription(std::int32_t number);

// The exception being handled, as a VbError: a VbError as it is, bad_alloc as
// Out of memory (7), any other exception as Internal error (51) with its text.
// Call only inside a catch block.
VbError CurrentError();

}  // namespace velkor
