// Text between the project (UTF-8 std::string) and COM (BSTR, UTF-16).
//
// A null BSTR is the empty text, as the automation runtime treats it.
// Malformed text on either side becomes U+FFFD rather than being cut short.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>
#include <string_view>

namespace velkor::com {

std::string FromBstr(BSTR text);
std::string FromWide(const wchar_t* text, std::size_t length);
std::wstring ToWide(std::string_view utf8);

// A new BSTR the caller owns (SysFreeString). Raises Out of memory (7).
BSTR ToBstr(std::string_view utf8);

// An owned BSTR, freed at the end of its scope.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::string_view utf8) : text_(ToBstr(utf8)) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(text_); }

  BSTR get() const { return text_; }
  // For an out-parameter: frees what is held and returns the slot.
  BSTR* Out() {
    SysFreeString(text_);
    text_ = nullptr;
    return &text_;
  }
  BSTR Detach() {
    BSTR out = text_;
    text_ = nullptr;
    return out;
  }
  std::string Utf8() const { return FromBstr(text_); }

 private:
  BSTR text_ = nullptr;
};

}  // namespace velkor::com
