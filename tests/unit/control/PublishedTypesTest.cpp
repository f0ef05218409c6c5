// The published classes and the record as the type library and the COM
// exposers read them: dispatch ids, default and enumerator members, which
// classes callers may create, and the record's layout.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "control/ComIdentity.h"
#include "control/PublishedTypes.h"
#include "model/TraceOrder.h"

namespace velkor::slots {
namespace {

const PublishedClass& Class(std::string_view name) {
  const PublishedClass* cls = FindPublishedClass(name);
  if (!cls) throw std::runtime_error("no class " + std::string(name));
  return *cls;
}

// One row per member: its dispatch id in its class.
TEST(PublishedClasses, MembersHaveStableDispatchIds) {
  const struct {
    std::string_view cls, member;
    std::optional<std::int32_t> id;
  } rows[] = {
      {"ZaltPoints", "Add", 0x60030000},
      {"ZaltPoints", "Count", 0x60030001},
      {"ZaltPoints", "Delete", 0x60030002},
      {"ZaltPoints", "item", kDispIdValue},  // the default member
      {"ZaltPoints", "ITEM", kDispIdValue},  // names ignore letter case
      {"ZaltPoints", "NewEnum", kDispIdNewEnum},
      {"Servers", "item", 0x60030003},  // an ordinary member here
      {"Servers", "NewEnum", kDispIdNewEnum},
      {"ZaltPoint", "Name", 0x60030000},
      {"ZaltPoint", "TagName", 0x60030002},  // get and let share one id
      {"Server", "Port", 0x60030000},
      {"Server", "IsDefault", 0x60030004},
      {"ResourceStrings", "get_string", 0x60030000},
      {"ZaltPoints", "Name", std::nullopt},  // a member of another class
      {"Server", "", std::nullopt},
  };
  for (const auto& row : rows)
    EXPECT_EQ(ClassMemberDispId(Class(row.cls), row.member), row.id)
        << row.cls << "." << row.member;
}

TEST(PublishedClasses, OnlyResourceStringsIsCreatable) {
  ASSERT_EQ(PublishedClasses().size(), 5u);
  for (const PublishedClass& c : PublishedClasses())
    EXPECT_EQ(c.creatable, c.name == "ResourceStrings") << c.name;
  EXPECT_EQ(Class("Servers").clsid, com_identity::kClsidServers);
  EXPECT_EQ(Class("Servers").iid, com_identity::kIid_Servers);
  EXPECT_EQ(FindPublishedClass("servers"), nullptr) << "class names are exact";
}

TEST(PublishedClasses, PropertiesComeAsGetThenLetInSlotOrder) {
  const auto& slots = Class("Server").slots;
  ASSERT_EQ(slots.size(), 10u);
  const char* names[] = {"Port", "ServerName", "NodeID", "Status", "IsDefault"};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(slots[2 * i].name, names[i]);
    EXPECT_EQ(slots[2 * i].kind, SlotKind::Get);
    EXPECT_EQ(slots[2 * i + 1].kind, SlotKind::Let);
    EXPECT_EQ(slots[2 * i + 1].params.at(0).type.base, BaseType::Variant);
  }
}

TEST(PublishedClasses, CollectionsReturnTheirItemsAndHideTheEnumerator) {
  const auto& points = Class("ZaltPoints").slots;
  ASSERT_EQ(points.size(), 5u);
  EXPECT_EQ(points[0].result.name, "ZaltPoint");  // Add
  EXPECT_EQ(points[0].params.at(0).type.base, BaseType::String);
  EXPECT_EQ(points[3].result.name, "ZaltPoint");  // item
  EXPECT_TRUE(points[4].hidden);                  // NewEnum
  EXPECT_EQ(points[4].result.name, "IUnknown");
  const auto& servers = Class("Servers").slots;
  EXPECT_EQ(servers[0].params.at(0).type.base, BaseType::Variant);
  EXPECT_EQ(servers[3].result.name, "Server");
}

TEST(PublishedRecords, TraceOrderFollowsTheRecordLayout) {
  ASSERT_EQ(PublishedRecords().size(), 1u);
  const PublishedRecord& r = PublishedRecords()[0];
  EXPECT_EQ(r.name, "TraceOrder");
  ASSERT_EQ(r.fields.size(), 13u);
  EXPECT_EQ(r.fields[0].name, "WorksheetName");
  EXPECT_EQ(r.fields[4].name, "TraceOrder");
  EXPECT_EQ(r.fields[4].type, FieldType::Integer);
  EXPECT_EQ(r.fields[5].type, FieldType::Integer);
  EXPECT_EQ(r.fields[6].type, FieldType::String);
  EXPECT_EQ(r.fields[12].name, "TraceNameCell");
}

}  // namespace
}  // namespace velkor::slots
