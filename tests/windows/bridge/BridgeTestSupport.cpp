#include "BridgeTestSupport.h"

#include <cstdio>

#include "com/bridge/Bstr.h"
#include "com/bridge/ObjectDispatch.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"
#include "platform/VbString.h"

namespace velkor::com::testing {

namespace {

std::string Number(double d) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", d);
  return text;
}

std::string DescribeArray(const SafeArray& a) {
  std::string out = "Array(";
  for (int d = 1; d <= a.Dimensions(); ++d) {
    out += (d > 1 ? ", " : "") + std::to_string(a.LBound(d)) + " to " + std::to_string(a.UBound(d));
  }
  out += ")[";
  for (std::size_t i = 0; i < a.items().size(); ++i) {
    out += (i ? ", " : "") + Describe(a.items()[i]);
  }
  return out + "]";
}

}  // namespace

std::string Describe(const Variant& v) {
  switch (v.type()) {
    case VarType::Empty:
      return "Empty";
    case VarType::Null:
      return "Null";
    case VarType::Missing:
      return "Missing";
    case VarType::Boolean:
      return v.AsBool() ? "True" : "False";
    case VarType::Integer:
      return "Integer " + std::to_string(v.AsInteger());
    case VarType::Long:
      return "Long " + std::to_string(v.AsLong());
    case VarType::Double:
      return "Double " + Number(v.AsDouble());
    case VarType::Date:
      return "Date " + Number(v.AsDate().serial);
    case VarType::String:
      return "String \"" + v.AsString() + "\"";
    case VarType::Error:
      return "Error " + std::to_string(v.AsError().code);
    case VarType::Object:
      return v.IsNothing() ? "Nothing" : "Object " + v.AsObject()->TypeName();
    case VarType::Array:
      return DescribeArray(v.AsArray());
  }
  return "?";
}

Variant Recorder::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  Call call{std::string(member), kind, {}};
  for (const Variant& a : args) call.args.push_back(Describe(a));
  calls.push_back(call);
  const std::string name = vb::LCase(member);
  if (name == "echo") return Variant(SafeArray(std::vector<Variant>(args.begin(), args.end())));
  if (name == "trim" || name == "trimthenfail") {
    if (args.size() != 1) Raise(err::kWrongArgCount);
    args[0] = Variant(vb::Trim(CStr(args[0])));
    if (name == "trimthenfail") Raise(err::kInvalidUseOfNull, "Recorder");
    return Variant(static_cast<std::int32_t>(args[0].AsString().size()));
  }
  if (name == "value") {
    if (kind == InvokeKind::PropertyLet || kind == InvokeKind::PropertySet) {
      value = args.back();
      return {};
    }
    return value;
  }
  if (name.empty()) return Variant("default");
  if (name == "_newenum") return Variant(SafeArray({Variant(1), Variant(2), Variant(3)}));
  return Object::Invoke(member, kind, args);
}

ComPtr<IDispatch> DispatchOfObject(const ObjectPtr& object) {
  return ComPtr<IDispatch>::Adopt(Expose(object));
}

Params::Params(std::vector<VARIANT> positional, std::vector<std::pair<DISPID, VARIANT>> named) {
  for (auto& [id, v] : named) {
    named_.push_back(id);
    args_.push_back(v);
  }
  args_.insert(args_.end(), positional.rbegin(), positional.rend());
  params_.rgvarg = args_.data();
  params_.cArgs = static_cast<UINT>(args_.size());
  params_.rgdispidNamedArgs = named_.empty() ? nullptr : named_.data();
  params_.cNamedArgs = static_cast<UINT>(named_.size());
}

Params::~Params() {
  for (VARIANT& v : args_) VariantClear(&v);
}

VARIANT Long(LONG n) {
  VARIANT v;
  V_VT(&v) = VT_I4;
  V_I4(&v) = n;
  return v;
}

VARIANT Text(const char* utf8) {
  VARIANT v;
  V_VT(&v) = VT_BSTR;
  V_BSTR(&v) = ToBstr(utf8);
  return v;
}

VARIANT Omitted() {
  VARIANT v;
  V_VT(&v) = VT_ERROR;
  V_ERROR(&v) = DISP_E_PARAMNOTFOUND;
  return v;
}

VARIANT RefTo(VARTYPE vt, void* target) {
  VARIANT v;
  V_VT(&v) = VT_BYREF | vt;
  V_BYREF(&v) = target;
  return v;
}

DISPID IdOf(IDispatch* dispatch, const wchar_t* name) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
  return id;
}

}  // namespace velkor::com::testing
