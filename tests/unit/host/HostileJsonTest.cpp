// JSON text from someone else: linear reading and writing however many keys
// an object has, bounded nesting, and faults told in this program's words
// with their place.
#include <gtest/gtest.h>

#include <string>

#include "standins/host/FileFormatError.h"
#include "standins/host/JsonText.h"
#include "standins/host/WorkbookJson.h"
#include "unit/common/ScaledWork.h"

namespace velkor::sim {
namespace {

using test::ExpectLinear;

std::string Workbook(const std::string& sheetBody) {
  return R"({"format": "velkor-workbook", "version": 1, "sheets": [{"name": "S", )" + sheetBody +
         "}]}";
}

std::string ManyCells(int n) {
  std::string cells = R"("cells": {)";
  for (int i = 1; i <= n; ++i) cells += (i > 1 ? ", \"A" : "\"A") + std::to_string(i) + "\": 1.5";
  return Workbook(cells + "}");
}

std::string ManyObjects(int n) {
  std::string objects = R"("oleObjects": [)";
  for (int i = 1; i <= n; ++i)
    objects += std::string(i > 1 ? ", " : "") + R"({"progId": "P", "name": "Object)" +
               std::to_string(i) + R"(", "left": 0, "top": 0, "width": 1, "height": 1})";
  return Workbook(objects + "]");
}

TEST(HostileJsonTest, ReadingAndWritingTakeTimeInProportionToTheFile) {
  ExpectLinear([](int n) { json::Parse(ManyCells(n)); }, 20000);
  ExpectLinear([](int n) { ReadWorkbookJson(ManyCells(n)); }, 10000);
  ExpectLinear([](int n) { WriteWorkbookJson(ReadWorkbookJson(ManyCells(n))); }, 10000);
  // Names are checked for uniqueness without comparing every pair.
  ExpectLinear([](int n) { ReadWorkbookJson(ManyObjects(n)); }, 2000);
}

struct Fault {
  std::string text;
  std::string where;
  std::string what;
};

TEST(HostileJsonTest, FaultsNameTheirPlaceInTheProgramsOwnWords) {
  const std::string deep = std::string(31000, '[') + std::string(31000, ']');
  std::string deepPath;
  for (std::size_t i = 0; i < json::kMaxDepth; ++i) deepPath += "/0";
  const Fault faults[] = {
      {R"({"a": 1e400})", "byte 11", "number out of range"},
      {R"({"a": -1e400})", "byte 12", "number out of range"},
      {R"({"a": 1,})", "byte 9", "not JSON"},
      {"", "byte 1", "not JSON"},
      {"\"\xff\"", "byte 2", "not JSON"},
      {deep, deepPath, "nested deeper than 64 levels"},
      {R"({"a": {"b/c": [1, )" + std::string(100, '[') + "]}}",
       "/a/b~1c/1" + deepPath.substr(0, 2 * (json::kMaxDepth - 3)), "nested deeper"},
  };
  for (const auto& f : faults) {
    try {
      json::Parse(f.text);
      ADD_FAILURE() << f.text.substr(0, 40) << " was read";
    } catch (const FileFormatError& e) {
      EXPECT_EQ(e.where(), f.where) << f.text.substr(0, 40);
      EXPECT_NE(std::string(e.what()).find(f.what), std::string::npos) << e.what();
      EXPECT_EQ(std::string(e.what()).find("json.exception"), std::string::npos) << e.what();
    }
  }
}

TEST(HostileJsonTest, ARepeatedKeyKeepsItsFirstPlaceAndTakesTheLastValue) {
  const Json j = json::Parse(R"({"b": 1, "a": 2, "b": [3], "c": {}})");
  EXPECT_EQ(j.dump(), R"({"b":[3],"a":2,"c":{}})");
  EXPECT_EQ(json::Parse("[[], {}, null, true, -1, 18446744073709551615, 0.5, \"x\"]").dump(),
            "[[],{},null,true,-1,18446744073709551615,0.5,\"x\"]");
}

}  // namespace
}  // namespace velkor::sim
