// The published interface of the control as data: the members of the
// default interface _ExcelTrendWizard in slot order, the events of
// __ExcelTrendWizard with their dispatch ids, and the enumerations. Late-bound
// callers (scripts, the scenario runner, the COM adapter) are served from
// this table; see SlotDispatch.h.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/Variant.h"

namespace velkor::slots {

enum class SlotKind { Get, Let, Set, Method };

// How a value is declared in the type library. Arguments of a late-bound call
// are converted to their declared type before the member sees them.
enum class BaseType {
  None,     // no value: a Sub's result, a setter's result
  Variant,  // passed as given
  Boolean,
  Long,  // 32-bit integer
  String,
  Enum,    // a 32-bit enumeration, named by TypeRef::name
  Object,  // an object of the interface named by TypeRef::name, or Nothing
};

struct TypeRef {
  BaseType base = BaseType::None;
  std::string_view name;  // the interface or enumeration; empty for plain types
};

struct Param {
  std::string_view name;
  TypeRef type;
  bool byRef = false;
  bool optional = false;
  // The declared default of an optional parameter; Missing when none is
  // declared (an omitted Variant stays Missing, an omitted typed parameter
  // gets its type's empty value).
  Variant defaultValue = Variant::Missing();
};

struct Slot {
  std::string_view name;
  SlotKind kind;
  std::vector<Param> params;  // for Let and Set, the one value parameter
  TypeRef result;             // the value of a Get or a function
  bool hidden = false;
  bool nonBrowsable = false;
};

struct EventSlot {
  std::int32_t dispId;
  std::string_view name;
  std::vector<Param> params;
};

struct EnumConstant {
  std::string_view name;
  std::int32_t value;
};

struct EnumInfo {
  std::string_view name;
  std::vector<EnumConstant> constants;
};

// In slot order; the two accessors of a property occupy adjacent slots.
std::span<const Slot> PublishedSlots();
// In dispatch-id order.
std::span<const EventSlot> PublishedEvents();
std::span<const EnumInfo> PublishedEnums();

// The slot published under `name` (letter case ignored) with exactly `kind`,
// or nullptr.
const Slot* FindSlot(std::string_view name, SlotKind kind);
// Whether any slot is published under `name`.
bool IsPublished(std::string_view name);

// Dispatch ids of the default interface: one per member name, numbered in
// the slot order of the member's first slot from kFirstMemberDispId. The
// type library and every IDispatch of the control use these numbers.
inline constexpr std::int32_t kFirstMemberDispId = 0x60030000;
// The id of the member published under `name` (letter case ignored), or 0.
std::int32_t MemberDispId(std::string_view name);
// The published name of the member with dispatch id `id`; empty when none.
std::string_view MemberOfDispId(std::int32_t id);

// The distinct member names of an interface's `slots` in the order of each
// member's first slot, and the id numbered from kFirstMemberDispId that such
// a list gives `name` (letter case ignored; 0 when absent). The published
// classes number their members the same way.
std::vector<std::string_view> MemberNamesOf(std::span<const Slot> slots);
std::int32_t NumberedDispId(std::span<const std::string_view> names, std::string_view name);

}  // namespace velkor::slots
