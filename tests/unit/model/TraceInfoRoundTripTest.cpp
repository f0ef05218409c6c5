#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <string_view>

#include "model/TraceFields.h"
#include "model/TraceInfoXml.h"
#include "model/Traces.h"
#include "unit/model/CapturedLog.h"

namespace velkor {
namespace {

// Pieces that stress the writer's escaping and the reader's text handling.
constexpr std::array<std::string_view, 22> kPieces = {"a",
                                                      "Z",
                                                      "0",
                                                      " ",
                                                      "&",
                                                      "<",
                                                      ">",
                                                      "\"",
                                                      "'",
                                                      "\xC3\xA4",
                                                      "\xE2\x82\xAC",
                                                      "\xE6\x97\xA5",
                                                      "\t",
                                                      "\n",
                                                      "\r",
                                                      "]]>",
                                                      "\\",
                                                      "!$",
                                                      "[Book1]Sheet1!$A$1",
                                                      "&amp;",
                                                      "  ",
                                                      ";"};

std::string RandomText(std::mt19937& rng) {
  std::string text;
  const int pieces = std::uniform_int_distribution<int>(0, 6)(rng);
  for (int i = 0; i < pieces; ++i)
    text += kPieces[std::uniform_int_distribution<std::size_t>(0, kPieces.size() - 1)(rng)];
  return text;
}

TraceOrder RandomRecord(std::mt19937& rng) {
  TraceOrder record;
  std::uniform_int_distribution<int> int16(-32768, 32767);
  for (const auto& field : TraceFieldsInLayoutOrder()) {
    if (std::holds_alternative<std::int16_t TraceOrder::*>(field.member))
      record.*std::get<std::int16_t TraceOrder::*>(field.member) =
          static_cast<std::int16_t>(int16(rng));
    else
      record.*std::get<std::string TraceOrder::*>(field.member) = RandomText(rng);
  }
  return record;
}

// What a value reads back as: text of blanks, tabs and line feeds alone is
// white space to the parser and is not kept.
std::string ReadBack(const std::string& value) {
  const bool blank = std::all_of(value.begin(), value.end(),
                                 [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
  return blank ? std::string() : value;
}

TraceOrder ReadBack(TraceOrder record) {
  for (const auto& field : TraceFieldsInLayoutOrder())
    if (auto* m = std::get_if<std::string TraceOrder::*>(&field.member))
      record.** m = ReadBack(record.**m);
  return record;
}

TEST(TraceInfoRoundTripTest, RandomRecordsSurviveWriteAndRead) {
  test::CapturedLog log;
  std::mt19937 rng(20240611);
  for (int round = 0; round < 200; ++round) {
    const int n = std::uniform_int_distribution<int>(0, 8)(rng);
    ResetTraces(n);
    for (int i = 1; i <= n; ++i) gTraces[static_cast<std::size_t>(i)] = RandomRecord(rng);
    const auto written = gTraces;
    const std::string xml = WriteXML();
    ASSERT_EQ(ReadXML(xml), ParseOutcome::Complete) << xml;
    ASSERT_EQ(TracesUBound(), n) << xml;
    for (int i = 1; i <= n; ++i) {
      const auto k = static_cast<std::size_t>(i);
      ASSERT_EQ(gTraces[k], ReadBack(written[k])) << "record " << i << " of " << xml;
    }
  }
  EXPECT_TRUE(log.Lines().empty());
}

}  // namespace
}  // namespace velkor
