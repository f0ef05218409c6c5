#include "tools/idlgen/Library.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "control/ComIdentity.h"

namespace velkor::idlgen {

using slots::BaseType;
using slots::TypeRef;

namespace {

bool IsLibraryEnum(std::string_view name) {
  auto enums = slots::PublishedEnums();
  return std::any_of(enums.begin(), enums.end(),
                     [&](const slots::EnumInfo& e) { return e.name == name; });
}

// The interface, IDispatch or IUnknown an object type names.
std::string ObjectInterface(std::string_view name) {
  if (slots::FindPublishedClass(name)) return "_" + std::string(name);
  if (name == "IUnknown") return "IUnknown";
  return "IDispatch";
}

}  // namespace

std::int32_t DualInterface::DispId(std::string_view member) const {
  if (!cls) return slots::MemberDispId(member);
  return slots::ClassMemberDispId(*cls, member).value_or(0);
}

std::vector<DualInterface> DualInterfaces() {
  std::vector<DualInterface> out;
  out.push_back({"ExcelTrendWizard", com_identity::kIid_ExcelTrendWizard, slots::PublishedSlots()});
  for (const slots::PublishedClass& c : slots::PublishedClasses())
    out.push_back({c.name, c.iid, c.slots, &c});
  return out;
}

const KindSpelling& SpellingOf(slots::SlotKind kind) {
  static constexpr KindSpelling kSpellings[] = {
      {"propget", "get_", "DISPATCH_PROPERTYGET"},           // Get
      {"propput", "put_", "DISPATCH_PROPERTYPUT"},           // Let
      {"propputref", "putref_", "DISPATCH_PROPERTYPUTREF"},  // Set
      {"", "", "DISPATCH_METHOD"},                           // Method
  };
  return kSpellings[static_cast<int>(kind)];
}

Guid EnumGuid(std::string_view enumName) {
  if (enumName == "OpenPramEnum") return com_identity::kEnumOpenPramEnum;
  if (enumName == "quereParam") return com_identity::kEnumQuereParam;
  throw std::runtime_error("no identifier for the enumeration " + std::string(enumName));
}

std::string IdlType(const TypeRef& type) {
  switch (type.base) {
    case BaseType::Variant:
      return "VARIANT";
    case BaseType::Boolean:
      return "VARIANT_BOOL";
    case BaseType::Long:
      return "long";
    case BaseType::String:
      return "BSTR";
    case BaseType::Enum:
      return IsLibraryEnum(type.name) ? std::string(type.name) : "long";
    case BaseType::Object:
      return ObjectInterface(type.name) + "*";
    case BaseType::None:
      break;
  }
  return "void";
}

std::string CppType(const TypeRef& type) {
  std::string idl = IdlType(type);
  return idl == "long" ? "LONG" : idl;
}

std::string_view VarTypeOf(const TypeRef& type) {
  switch (type.base) {
    case BaseType::Variant:
      return "VT_VARIANT";
    case BaseType::Boolean:
      return "VT_BOOL";
    case BaseType::Long:
    case BaseType::Enum:
      return "VT_I4";
    case BaseType::String:
      return "VT_BSTR";
    case BaseType::Object:
      return ObjectInterface(type.name) == "IUnknown" ? "VT_UNKNOWN" : "VT_DISPATCH";
    case BaseType::None:
      break;
  }
  return "VT_EMPTY";
}

std::string HexId(std::int32_t id) {
  if (id < 0) return std::to_string(id);  // DISPID_NEWENUM and the like
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(id));
  return buffer;
}

std::string UuidText(const Guid& id) {
  std::string text = ToRegistryFormat(id);
  return text.substr(1, text.size() - 2);
}

std::string QuotedText(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

}  // namespace velkor::idlgen
