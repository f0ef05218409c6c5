// Scenario values: the JSON forms, how expected and actual values compare,
// error numbers, and the places named for malformed scenarios.
#include <gtest/gtest.h>

#include "standins/host/FileFormatError.h"
#include "tools/scenario/Scenario.h"
#include "tools/scenario/ScenarioValue.h"

namespace velkor::sim::scenario {
namespace {

TEST(ScenarioValueTest, EachFormDecodesToItsSubtypeAndEncodesBack) {
  const struct {
    const char* json;
    VarType type;
  } cases[] = {
      {R"("text")", VarType::String},
      {"1.5", VarType::Double},
      {"true", VarType::Boolean},
      {"null", VarType::Empty},
      {R"({"long": 5})", VarType::Long},
      {R"({"int": -3})", VarType::Integer},
      {R"({"date": "2026-12-07T06:00:00"})", VarType::Date},
      {R"({"error": 2015})", VarType::Error},
      {R"({"missing": true})", VarType::Missing},
      {R"({"null": true})", VarType::Null},
      {R"([1, "a", {"long": 2}])", VarType::Array},
  };
  for (const auto& c : cases) {
    const Json json = Json::parse(c.json);
    const Variant value = DecodeScenarioValue(json, "/v", {});
    EXPECT_EQ(value.type(), c.type) << c.json;
    EXPECT_EQ(EncodeScenarioValue(value), json) << c.json;
  }
}

TEST(ScenarioValueTest, MalformedValuesNameTheirPlace) {
  const struct {
    const char* json;
    const char* where;
  } cases[] = {
      {R"({"long": "five"})", "/v/long"},      {R"({"long": 3000000000})", "/v/long"},
      {R"({"int": 40000})", "/v/int"},         {R"({"date": "7.12.2026"})", "/v/date"},
      {R"({"missing": false})", "/v/missing"}, {R"({"object": 5})", "/v/object"},
      {R"({"colour": "red"})", "/v"},          {R"([1, {"long": 1.5}])", "/v/1/long"},
  };
  for (const auto& c : cases) {
    try {
      DecodeScenarioValue(Json::parse(c.json), "/v", {});
      ADD_FAILURE() << c.json << " decoded";
    } catch (const FileFormatError& e) {
      EXPECT_EQ(e.where(), c.where) << c.json;
    }
  }
}

TEST(ScenarioValueTest, ExpectedValuesMatchOnlyTheSameSubtypeAndValue) {
  const struct {
    const char* expected;
    Variant actual;
    bool matches;
  } cases[] = {
      {"5", Variant(5.0), true},
      {"5", Variant(5.0 + 1e-12), true},
      {"5", Variant(std::int32_t{5}), false},
      {R"({"long": 5})", Variant(std::int32_t{5}), true},
      {R"({"int": 5})", Variant(std::int16_t{5}), true},
      {R"({"int": 5})", Variant(std::int32_t{5}), false},
      {R"("5")", Variant(5.0), false},
      {"null", Variant(), true},
      {"null", Variant(""), false},
      {"false", Variant(false), true},
      {R"({"error": 2015})", Variant(ErrorValue{2015}), true},
      {R"([1, "a"])", Variant(SafeArray({Variant(1.0), Variant("a")})), true},
      {R"([1, "a"])", Variant(SafeArray({Variant(1.0)})), false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ValueMatches(Json::parse(c.expected), c.actual, {}), c.matches)
        << c.expected << " vs " << EncodeScenarioValue(c.actual).dump();
}

TEST(ScenarioValueTest, ObjectValuesAreTheVeryObjectOfTheirName) {
  struct Thing : Object {
    std::string TypeName() const override { return "Thing"; }
  };
  auto thing = std::make_shared<Thing>();
  ObjectLookup lookup = [&](const std::string& name) -> ObjectPtr {
    return name == "It" ? thing : std::make_shared<Thing>();
  };
  const Json it = Json::parse(R"({"object": "It"})");
  EXPECT_EQ(DecodeScenarioValue(it, "", lookup).AsObject(), thing);
  EXPECT_TRUE(ValueMatches(it, Variant(thing), lookup));
  EXPECT_FALSE(ValueMatches(it, Variant(std::make_shared<Thing>()), lookup));
  EXPECT_FALSE(ValueMatches(it, Variant("It"), lookup));
}

TEST(ScenarioValueTest, ErrorNumbersAsNumbersOrHResultText) {
  EXPECT_EQ(DecodeErrorNumber(Json(438), ""), 438);
  EXPECT_EQ(DecodeErrorNumber(Json("0x8004F003"), ""), static_cast<std::int32_t>(0x8004F003u));
  EXPECT_EQ(DecodeErrorNumber(Json(0x8004F001u), ""), static_cast<std::int32_t>(0x8004F001u));
  EXPECT_EQ(ShowErrorNumber(1004), "1004");
  EXPECT_EQ(ShowErrorNumber(static_cast<std::int32_t>(0x8004F003u)), "0x8004F003");
  for (const char* bad : {R"("438")", R"("0x8004F0")", R"("0xZZZZZZZZ")", "1.5", "null"})
    EXPECT_THROW(DecodeErrorNumber(Json::parse(bad), "/e"), FileFormatError) << bad;
}

TEST(ScenarioParseTest, FaultsAreNamedByStepAndField) {
  const struct {
    const char* text;
    const char* place;
  } cases[] = {
      {R"({"steps": [{"tick": 1}, {"tick": -1}]})", "step 2, field tick"},
      {R"({"steps": [{"open": 5}]})", "step 1, field open"},
      {R"({"steps": [{"call": "A.B", "colour": 1}]})", "step 1, field colour"},
      {R"({"steps": [{"let": "A.B"}]})", "step 1, field value"},
      {R"({"steps": [{"expect": {"cells": {"A1": {"long": 1.5}}}}]})",
       "step 1, field expect/cells/A1/long"},
      {R"({"steps": [{"expect": {"weather": 1}}]})", "step 1, field expect/weather"},
      {R"({"steps": [{"edit": "A1", "values": [[1, 2], [3]]}]})", "step 1, field values/1"},
      {R"({"steps": [{"insert": {"sheet": "Sheet1"}}]})", "step 1, field insert/class"},
      {R"({"clock": "tomorrow", "steps": []})", "field clock"},
      {R"({"steps": [], "extra": 1})", "field extra"},
      {R"({"archive": [{"server": "s", "tag": "t", "values": [["2026-01-01T00:00:00"]]}], "steps": []})",
       "field archive/0/values/0"},
      {R"({})", "field steps"},
      {R"({"steps": [{"tick": 1e300}]})", "step 1, field tick"},
      {R"({"steps": [{"tick": 86400001}]})", "step 1, field tick"},
      {R"({"steps": [{"insert": {"class": "C", "left": 1e300}}]})", "step 1, field insert/left"},
      {R"({"steps": [{"tick": 1e400}]})", "byte 25"},
      {R"({"steps": [{"call": "A.B", "args": [1, [[[2]]]]}]})", "step 1, field args/1/0/0"},
      {R"({"steps": [{"let": "A.B", "value": [[[1]]]}]})", "step 1, field value/0/0"},
      {R"({"steps": [{"edit": "A1", "values": [[[[[1]]]]]}]})", "step 1, field values/0/0/0/0"},
      {R"({"workbooks": [{"name": "B", "sheets": [{"name": "S", "cells": {"A1": [[[1]]]}}]}],
           "steps": []})",
       "field workbooks/0/sheets/0/cells/A1/0/0"},
  };
  for (const auto& c : cases) {
    try {
      ParseScenario(c.text, "s.json");
      ADD_FAILURE() << c.text << " parsed";
    } catch (const FileFormatError& e) {
      EXPECT_EQ(DescribePlace(e.where()), c.place) << c.text;
    }
  }
}

TEST(ScenarioParseTest, DeepNestingIsRefusedBeforeAnyWalkOfIt) {
  const std::string deep = std::string(31000, '[') + std::string(31000, ']');
  for (const std::string& text : {R"({"steps": [{"call": "A.B", "args": )" + deep + "}]}",
                                  R"({"steps": [{"expect": {"cells": {"A1": )" + deep + "}}}]}"}) {
    try {
      ParseScenario(text, "s.json");
      ADD_FAILURE() << "parsed";
    } catch (const FileFormatError& e) {
      EXPECT_NE(std::string(e.what()).find("nested deeper"), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace velkor::sim::scenario
