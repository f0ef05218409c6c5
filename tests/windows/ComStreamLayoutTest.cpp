// The stream layout of the control's saved properties: what a round trip
// keeps, and how damaged or foreign bytes are refused instead of read.
#include <gtest/gtest.h>

#include <string>

#include "com/server/MemoryBag.h"
#include "com/server/StreamLayout.h"
#include "platform/VbError.h"

namespace velkor::com {
namespace {

StreamEntries EveryStorableSubtype() {
  return {
      {"Empty", Variant()},
      {"Null", Variant::Null()},
      {"True", Variant(true)},
      {"False", Variant(false)},
      {"Integer", Variant(std::int16_t{-32768})},
      {"Long", Variant(std::int32_t{2147483647})},
      {"Double", Variant(-1.5e300)},
      {"Date", Variant(DateValue{-1.25})},
      {"String", Variant("*-8H")},
      {"Unicode", Variant("Plotvane \xE2\x82\xAC \xD0\x96")},
      {"EmptyString", Variant("")},
      {"Error", Variant(ErrorValue{2015})},
  };
}

TEST(StreamLayout, RoundTripKeepsKeyOrderSubtypeAndValue) {
  const StreamEntries entries = EveryStorableSubtype();
  const auto decoded = DecodeStream(EncodeStream(entries));
  ASSERT_TRUE(decoded);
  ASSERT_EQ(decoded->size(), entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(entries[i].first);
    EXPECT_EQ((*decoded)[i].first, entries[i].first);
    EXPECT_EQ((*decoded)[i].second.type(), entries[i].second.type());
    EXPECT_EQ((*decoded)[i].second.TypeName(), entries[i].second.TypeName());
  }
  EXPECT_EQ((*decoded)[6].second.AsDouble(), -1.5e300);
  EXPECT_EQ((*decoded)[7].second.AsDate().serial, -1.25);
  EXPECT_EQ((*decoded)[9].second.AsString(), "Plotvane \xE2\x82\xAC \xD0\x96");
  EXPECT_EQ((*decoded)[11].second.AsError().code, 2015);
}

TEST(StreamLayout, HeaderIsMarkVersionAndBodyLength) {
  const std::string bytes = EncodeStream({{"TrendName", Variant("ZaltTrend1_Sheet1")}});
  ASSERT_GE(bytes.size(), kStreamHeaderSize);
  EXPECT_EQ(bytes.substr(0, 4), "VKPS");
  EXPECT_EQ(bytes[4], 1);
  EXPECT_EQ(bytes[5], 0);
  EXPECT_EQ(BodyLength(bytes.substr(0, kStreamHeaderSize)), bytes.size() - kStreamHeaderSize);
  EXPECT_EQ(EncodeStream({}).size(), kStreamHeaderSize + 2);
}

TEST(StreamLayout, EveryTruncationIsRefused) {
  const std::string bytes = EncodeStream(EveryStorableSubtype());
  for (std::size_t n = 0; n < bytes.size(); ++n)
    EXPECT_FALSE(DecodeStream(bytes.substr(0, n))) << "cut at " << n;
}

TEST(StreamLayout, BodyIsCheckedByItself) {
  const std::string bytes = EncodeStream(EveryStorableSubtype());
  const std::string body = bytes.substr(kStreamHeaderSize);
  ASSERT_TRUE(DecodeBody(body));
  for (std::size_t n = 0; n < body.size(); ++n)
    EXPECT_FALSE(DecodeBody(body.substr(0, n))) << "cut at " << n;
  EXPECT_FALSE(DecodeBody(body + '\0')) << "bytes left over";
}

struct Damage {
  const char* what;
  std::size_t offset;
  char value;
};

// One row per kind of damage, applied to the layout of {"K": "text"}:
// 0-3 mark, 4-5 version, 6-9 body length, 10-11 count, 12-13 key length,
// 14 key, 15 subtype, 16-19 text length, 20.. text.
const Damage kDamages[] = {
    {"another mark", 0, 'X'},
    {"version 0", 4, 0},
    {"a newer version", 4, 2},
    {"a longer body than there is", 6, 40},
    {"a body length beyond the limit", 9, 0x7F},
    {"more entries than there are", 10, 2},
    {"a key longer than the body", 12, 60},
    {"an unknown subtype", 15, 9},
    {"a text longer than the body", 16, 60},
    {"a text length near 4 GB", 19, static_cast<char>(0xFF)},
};

TEST(StreamLayout, DamagedLayoutsAreRefused) {
  const std::string good = EncodeStream({{"K", Variant("text")}});
  ASSERT_TRUE(DecodeStream(good));
  for (const Damage& d : kDamages) {
    std::string bytes = good;
    ASSERT_LT(d.offset, bytes.size());
    bytes[d.offset] = d.value;
    EXPECT_FALSE(DecodeStream(bytes)) << d.what;
  }
}

TEST(StreamLayout, ValuesTheLayoutCannotHoldRaiseTypeMismatch) {
  const Variant unstorable[] = {Variant::Missing(), Variant::Nothing(),
                                Variant(SafeArray({Variant(1.0)}))};
  for (const Variant& v : unstorable) {
    try {
      EncodeStream({{"K", v}});
      ADD_FAILURE() << v.TypeName() << " was written";
    } catch (const VbError& e) {
      EXPECT_EQ(e.number(), 13) << v.TypeName();
    }
  }
}

TEST(MemoryBag, KeepsTheTwoRulesOfTheSavedFormat) {
  MemoryBag bag;
  bag.WriteProperty("bFirstSetTime", Variant(true), Variant(true));
  bag.WriteProperty("TrendPosition", Variant("$B$2"), Variant("$A$1"));
  bag.WriteProperty("strStartTime", Variant(""), Variant(""));
  ASSERT_EQ(bag.Entries().size(), 1u);
  EXPECT_EQ(bag.Entries()[0].first, "TrendPosition");
  EXPECT_EQ(bag.ReadProperty("trendposition", Variant("$A$1")).AsString(), "$B$2");
  EXPECT_EQ(bag.ReadProperty("WizardControlName", Variant("ExcelTrendwizard1")).AsString(),
            "ExcelTrendwizard1");
  // Writing the default again drops the value stored before.
  bag.WriteProperty("TrendPosition", Variant("$A$1"), Variant("$A$1"));
  EXPECT_TRUE(bag.Entries().empty());
}

}  // namespace
}  // namespace velkor::com
