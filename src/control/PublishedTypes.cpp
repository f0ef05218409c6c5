#include "control/PublishedTypes.h"

#include <algorithm>

#include "control/ComIdentity.h"
#include "control/SlotBuilders.h"
#include "model/TraceFields.h"
#include "platform/VbString.h"

namespace velkor::slots {

namespace {

using namespace build;
namespace id = com_identity;

constexpr TypeRef kZaltPoint{BaseType::Object, "ZaltPoint"};
constexpr TypeRef kServer{BaseType::Object, "Server"};
// What a for-each loop asks the enumerator member for.
constexpr TypeRef kEnumerator{BaseType::Object, "IUnknown"};

// A property of Variant type with both accessors: get, then let.
void Property(std::vector<Slot>& out, std::string_view name) {
  out.push_back(Get(name, kVariant));
  out.push_back(Let(name, "vData", kVariant));
}

std::vector<Slot> Properties(std::initializer_list<std::string_view> names) {
  std::vector<Slot> out;
  for (std::string_view name : names) Property(out, name);
  return out;
}

// Add, Count, Delete, item, NewEnum of a collection of `item`.
std::vector<Slot> CollectionSlots(std::vector<Param> addParams, TypeRef item) {
  return {
      Method("Add", std::move(addParams), item),
      Method("Count", {}, kLong),
      Method("Delete", {In("Index", kVariant)}),
      Method("item", {In("Index", kVariant)}, item),
      Method(kNewEnumMember, {}, kEnumerator, kHidden),
  };
}

std::vector<PublishedClass> BuildClasses() {
  std::vector<PublishedClass> out;
  out.push_back({"ZaltPoint",
                 id::kClsidZaltPoint,
                 id::kIid_ZaltPoint,
                 false,
                 {},
                 Properties({"Name", "ServerName", "TagName"})});
  out.push_back(
      {"ZaltPoints", id::kClsidZaltPoints, id::kIid_ZaltPoints, false, "item",
       CollectionSlots({In("Name", kString), In("TagName", kString), In("ServerName", kString)},
                       kZaltPoint)});
  out.push_back({"Server",
                 id::kClsidServer,
                 id::kIid_Server,
                 false,
                 {},
                 Properties({"Port", "ServerName", "NodeID", "Status", "IsDefault"})});
  out.push_back(
      {"Servers",
       id::kClsidServers,
       id::kIid_Servers,
       false,
       {},
       CollectionSlots({In("ServerName", kVariant), In("NodeID", kVariant), In("Port", kVariant)},
                       kServer)});
  out.push_back({"ResourceStrings",
                 id::kClsidResourceStrings,
                 id::kIid_ResourceStrings,
                 true,
                 {},
                 {Method("get_string", {In("code", kLong)}, kString)}});
  return out;
}

// The record's layout is the trace record's own.
std::vector<PublishedRecord> BuildRecords() {
  PublishedRecord traceOrder{"TraceOrder", id::kRecordTraceOrder, {}};
  for (const TraceField& f : TraceFieldsInLayoutOrder()) {
    const bool integer = std::holds_alternative<std::int16_t TraceOrder::*>(f.member);
    traceOrder.fields.push_back({f.name, integer ? FieldType::Integer : FieldType::String});
  }
  return {traceOrder};
}

}  // namespace

std::span<const PublishedClass> PublishedClasses() {
  static const std::vector<PublishedClass> classes = BuildClasses();
  return classes;
}

const PublishedClass* FindPublishedClass(std::string_view name) {
  auto classes = PublishedClasses();
  auto it = std::find_if(classes.begin(), classes.end(),
                         [&](const PublishedClass& c) { return c.name == name; });
  return it == classes.end() ? nullptr : &*it;
}

std::optional<std::int32_t> ClassMemberDispId(const PublishedClass& cls, std::string_view member) {
  if (!cls.defaultMember.empty() && vb::EqualsText(member, cls.defaultMember)) return kDispIdValue;
  if (vb::EqualsText(member, kNewEnumMember)) return kDispIdNewEnum;
  const std::int32_t id = NumberedDispId(MemberNamesOf(cls.slots), member);
  if (id == 0) return std::nullopt;
  return id;
}

std::span<const PublishedRecord> PublishedRecords() {
  static const std::vector<PublishedRecord> records = BuildRecords();
  return records;
}

}  // namespace velkor::slots
