// Library: the contents of the control's type library as the generator walks
// them, and how each declared type is spelled in IDL, in the C++ header the
// IDL compiler writes, and as a VARIANT type.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "control/Guid.h"
#include "control/PublishedTypes.h"
#include "control/Slots.h"

namespace velkor::idlgen {

// One dual interface of the library: the control's default interface or the
// default interface of a published class.
struct DualInterface {
  std::string_view className;  // the class; the interface is "_" + className
  Guid iid;
  std::span<const slots::Slot> slots;
  const slots::PublishedClass* cls = nullptr;  // nullptr for the control

  std::string InterfaceName() const { return "_" + std::string(className); }
  // The class implementing the interface's vtable over CallMember.
  std::string ThunkName() const { return std::string(className) + "Dual"; }
  std::int32_t DispId(std::string_view member) const;
};

// The control's interface first, then the published classes in their order.
std::vector<DualInterface> DualInterfaces();

// How a slot's kind is spelled: its IDL attribute ("propget"; empty for a
// method), the prefix of its C++ vtable member ("get_"), its DISPATCH_ flag.
struct KindSpelling {
  std::string_view idlAttribute;
  std::string_view cppPrefix;
  std::string_view dispatchFlag;
};
const KindSpelling& SpellingOf(slots::SlotKind kind);

// The identifier of a published enumeration; raises when it has none.
Guid EnumGuid(std::string_view enumName);

// "VARIANT", "VARIANT_BOOL", "long", "BSTR", an enumeration of the library,
// "_ZaltPoints*" for a published class, "IDispatch*" for outside objects.
// Enumerations of outside libraries are "long".
std::string IdlType(const slots::TypeRef& type);
// The same type as the IDL compiler's C++ header declares it.
std::string CppType(const slots::TypeRef& type);
// The VARIANT type that carries a value of `type`: "VT_VARIANT", "VT_BOOL"...
std::string_view VarTypeOf(const slots::TypeRef& type);

// "0x60030000": a dispatch id as the IDL and the thunks write it.
std::string HexId(std::int32_t id);
// The registry form without braces, as uuid() takes it.
std::string UuidText(const Guid& id);
// `text` as an IDL string literal, quotes included.
std::string QuotedText(std::string_view text);

}  // namespace velkor::idlgen
