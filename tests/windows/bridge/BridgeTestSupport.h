// What the COM bridge tests share: a COM apartment for the whole run, a
// project object that records its calls, and values described as text so a
// table row can name what it expects.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "com/bridge/ComPtr.h"
#include "platform/Object.h"
#include "platform/Variant.h"

namespace velkor::com::testing {

// A Variant as text: "Long 5", "String \"a\"", "Missing", "Array(1 to 2)[...]".
std::string Describe(const Variant& v);

// One recorded late-bound call.
struct Call {
  std::string member;
  InvokeKind kind;
  std::vector<std::string> args;  // Describe() of each argument as received
};

// A project object with a few members of each shape:
//   Echo(...)          returns its arguments as a 0-based array
//   Trim(text)         trims its by-reference argument, returns the new length
//   TrimThenFail(text) trims, then raises 94 with source "Recorder"
//   Value              a Variant property (Let and Set)
//   "" (the default)   returns "default"
//   _NewEnum           returns the array {1, 2, 3}
// Anything else raises 438.
class Recorder : public Object {
 public:
  std::string TypeName() const override { return "Recorder"; }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

  std::vector<Call> calls;
  Variant value;
};

// The IDispatch of a COM object made for a test.
ComPtr<IDispatch> DispatchOfObject(const ObjectPtr& object);

// DISPPARAMS for a call: positional arguments in declaration order, then
// named ones with their DISPIDs. Takes ownership of the VARIANTs.
class Params {
 public:
  explicit Params(std::vector<VARIANT> positional,
                  std::vector<std::pair<DISPID, VARIANT>> named = {});
  Params(const Params&) = delete;
  Params& operator=(const Params&) = delete;
  ~Params();
  DISPPARAMS* get() { return &params_; }

 private:
  std::vector<VARIANT> args_;  // as DISPPARAMS holds them
  std::vector<DISPID> named_;
  DISPPARAMS params_{};
};

VARIANT Long(LONG n);
VARIANT Text(const char* utf8);  // a new BSTR
VARIANT Omitted();
VARIANT RefTo(VARTYPE vt, void* target);

DISPID IdOf(IDispatch* dispatch, const wchar_t* name);

}  // namespace velkor::com::testing
