#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "standins/VirtualNow.h"
#include "standins/components/library/QuerySpecList.h"
#include "standins/components/library/QuerySpecPersistence.h"
#include "standins/components/library/SimQueryObject.h"
#include "standins/components/library/SimTimeObject.h"
#include "standins/host/SimPropertyBag.h"
#include "unit/platform/RaisedNumber.h"

namespace velkor::sim {
namespace {

using platform_test::RaisedNumber;

struct Library : ::testing::Test {
  Library() {
    for (const char* name : {"a", "B", "c"}) store->Add(std::make_shared<SimQuerySpec>(name));
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& spec : specs->Items()) names.push_back(spec->Name());
    return names;
  }

  std::shared_ptr<SpecStore> store = std::make_shared<SpecStore>();
  std::shared_ptr<SimQueryObject> query = std::make_shared<SimQueryObject>(store);
  component::QuerySpecsPtr specs = query->QuerySpecs();
};

TEST_F(Library, CollectionFindsByPositionAndName) {
  struct Row {
    Variant index;
    const char* name;  // nullptr: raises `error`
    std::int32_t error;
  } rows[] = {
      {Variant(std::int32_t{1}), "a", 0},
      {Variant(3.0), "c", 0},
      {Variant("b"), "B", 0},
      {Variant(std::int32_t{0}), nullptr, err::kSubscriptOutOfRange},
      {Variant(std::int32_t{4}), nullptr, err::kSubscriptOutOfRange},
      {Variant("d"), nullptr, err::kSpecNotHeld},
  };
  for (const auto& row : rows) {
    std::string found;
    auto raised = RaisedNumber([&] { found = specs->Item(row.index)->Name(); });
    EXPECT_EQ(raised, row.error) << CStr(row.index);
    if (row.name) {
      EXPECT_EQ(found, row.name);
    }
  }
}

TEST_F(Library, RemoveByKeyKeepsTheOrderOfTheRest) {
  specs->Remove("b");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(RaisedNumber([&] { specs->Remove("b"); }), err::kSpecNotHeld);
  EXPECT_EQ(specs->Count(), 2);
}

// Lookups by name go through an index; each change of the list, and a
// rename behind the store's back, must show in the next lookup.
TEST_F(Library, FindByNameFollowsEveryChangeOfTheList) {
  auto found = [&](const char* name) {
    auto spec = store->Find(name);
    return spec ? spec->Name() : std::string("-");
  };
  EXPECT_EQ(found("A"), "a");
  store->At(1)->SetName("renamed");
  EXPECT_EQ(found("b"), "-");
  EXPECT_EQ(found("RENAMED"), "renamed");
  auto twin = std::make_shared<SimQuerySpec>("A");
  store->Add(twin);
  EXPECT_EQ(store->Find("a"), store->At(0));  // the first of two of one name
  store->Remove(store->At(0));
  EXPECT_EQ(store->Find("a"), twin);
  store->BeginGroup();
  store->Remove(twin);
  EXPECT_EQ(found("a"), "-");
  store->Revert();  // back to the list last applied, twin included
  EXPECT_EQ(store->Find("a"), twin);
}

TEST_F(Library, LateBoundMembersReachTheSameSpecs) {
  std::vector<Variant> none;
  Variant collection = query->Invoke("QuerySpecs", InvokeKind::PropertyGet, none);
  std::vector<Variant> second{Variant(std::int32_t{2})};
  Variant spec = collection.AsObject()->Invoke("", InvokeKind::Method, second);
  std::vector<Variant> rename{Variant("renamed")};
  spec.AsObject()->Invoke("Name", InvokeKind::PropertyLet, rename);
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "renamed", "c"}));

  Variant all = collection.AsObject()->Invoke("_NewEnum", InvokeKind::Method, none);
  EXPECT_EQ(all.AsArray().size(), 3u);
}

TEST_F(Library, AttributesAreKeyedAndReplacedInPlace) {
  auto attributes = specs->Item(Variant(std::int32_t{1}))->Attributes();
  attributes->Add(10102, "flow");
  attributes->Add(10100, "srv1");
  attributes->Add(10102, "level");
  EXPECT_EQ(attributes->Item(10102)->Value().AsString(), "level");
  EXPECT_EQ(RaisedNumber([&] { attributes->Item(10101); }), err::kSpecNotHeld);

  SimPropertyBag bag;
  auto& first = store->Working()[0]->Attrs();
  first.Set(10005, Variant(false));
  WriteSpecs(bag, store->Working());
  auto loaded = ReadSpecs(bag);
  ASSERT_EQ(loaded.size(), 3u);
  const auto& entries = loaded[0]->Attrs().Entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].first, 10102);
  EXPECT_EQ(entries[1].second->Value().AsString(), "srv1");
  EXPECT_EQ(entries[2].second->Value().type(), VarType::Boolean);  // kept its subtype
}

// Counts the reads of a bag, as the cost of opening a saved state.
struct CountingBag : host::PropertyBag {
  Variant ReadProperty(std::string_view name, const Variant& defaultValue) override {
    ++reads;
    return bag.ReadProperty(name, defaultValue);
  }
  void WriteProperty(std::string_view name, const Variant& value,
                     const Variant& defaultValue) override {
    bag.WriteProperty(name, value, defaultValue);
  }
  SimPropertyBag bag;
  int reads = 0;
};

TEST(SpecPersistence, ListsEndAtTheirFirstMissingEntryWhateverTheirCountClaims) {
  CountingBag bag;
  auto write = [&](const std::string& key, Variant value) {
    bag.WriteProperty(key, value, Variant::Null());
  };
  write("SpecCount", Variant(std::int32_t{10000}));
  for (int i = 1; i <= 3; ++i) {
    write("Spec" + std::to_string(i) + "Name", Variant("spec" + std::to_string(i)));
    write("Spec" + std::to_string(i) + "AttributeCount", Variant(std::int32_t{10000}));
    write("Spec" + std::to_string(i) + "Key1", Variant(std::int32_t{10100}));
    write("Spec" + std::to_string(i) + "Value1", Variant("srv"));
  }
  write("Spec5Name", Variant("beyond the gap"));
  const auto specs = ReadSpecs(bag);
  ASSERT_EQ(specs.size(), 3u);
  EXPECT_EQ(specs[2]->Attrs().Entries().size(), 1u);
  EXPECT_LT(bag.reads, 50);
}

TEST(TimeObject, ReadsTextsAgainstTheVirtualClock) {
  SetVirtualNow(DateValue{46363.25});  // 2026-12-07 06:00
  SimTimeObject time;
  struct Row {
    const char* text;
    double value;
  } rows[] = {{"*", 46363.25}, {"*-6h", 46363.0}, {"t+1d", 46364.0}, {"12/7/2026", 46363.0}};
  for (const auto& row : rows) {
    time.SetText(row.text);
    EXPECT_NEAR(time.Value(), row.value, 1e-9) << row.text;
  }
  for (const char* bad : {"", "*-6", "later"}) {
    time.SetText(bad);
    EXPECT_EQ(RaisedNumber([&] { time.Value(); }), err::kTypeMismatch) << bad;
  }
  ResetVirtualNow();
}

}  // namespace
}  // namespace velkor::sim
