// The published types beside the control: the small classes the control
// hands out (and ResourceStrings, which callers create themselves), each with
// its default interface in slot order, and the record TraceOrder. Data only;
// the type library and the COM exposers of these classes are built from it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "control/Guid.h"
#include "control/Slots.h"

namespace velkor::slots {

struct PublishedClass {
  std::string_view name;           // the class; its default interface is "_" + name
  Guid clsid;                      // of the class
  Guid iid;                        // of its default interface
  bool creatable = false;          // callers may create it (else only the control hands it out)
  std::string_view defaultMember;  // published under DISPID_VALUE; empty when none
  std::vector<Slot> slots;         // the default interface in slot order
};

// Dispatch ids the classes give their enumerator member and default member.
inline constexpr std::int32_t kDispIdValue = 0;
inline constexpr std::int32_t kDispIdNewEnum = -4;
inline constexpr std::string_view kNewEnumMember = "NewEnum";

std::span<const PublishedClass> PublishedClasses();
// The class published under `name` (exact letter case), or nullptr.
const PublishedClass* FindPublishedClass(std::string_view name);
// The dispatch id of `member` (letter case ignored) of `cls`: kDispIdValue for
// the default member, kDispIdNewEnum for the enumerator, otherwise numbered
// like the control's members from kFirstMemberDispId in the slot order of the
// member's first slot; nullopt when there is no such member.
std::optional<std::int32_t> ClassMemberDispId(const PublishedClass& cls, std::string_view member);

enum class FieldType { String, Integer /* 16-bit */ };

struct RecordField {
  std::string_view name;
  FieldType type;
};

struct PublishedRecord {
  std::string_view name;
  Guid id;
  std::vector<RecordField> fields;  // in layout order
};

std::span<const PublishedRecord> PublishedRecords();

}  // namespace velkor::slots
