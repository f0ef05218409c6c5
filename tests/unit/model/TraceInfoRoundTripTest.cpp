#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <string_view>

#include "model/LastDocument.h"
#include "model/TraceFields.h"
#include "model/TraceInfoXml.h"
#include "model/Traces.h"
#include "model/XmlStringWriter.h"
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

// The document as the DOM serializer writes the records: the text the
// trace-info property has always held, which the direct writer must match.
std::string DomText() {
  pugi::xml_document doc;
  auto root = doc.append_child("traceinfo");
  for (std::int32_t i = 1; i <= TracesUBound(); ++i) {
    auto trace = root.append_child(("trace" + std::to_string(i)).c_str());
    for (const auto& field : TraceFieldsInWrittenOrder())
      trace.append_child(std::string(field.name).c_str())
          .append_child(pugi::node_pcdata)
          .set_value(FieldText(gTraces[static_cast<std::size_t>(i)], field).c_str());
  }
  XmlStringWriter writer;
  doc.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  return writer.text();
}

TEST(TraceInfoRoundTripTest, TheWrittenTextIsTheDomSerializersByteForByte) {
  test::CapturedLog log;
  ResetTraces(0);
  EXPECT_EQ(WriteXML(), DomText());
  // Every ASCII character, alone and amid text, and malformed UTF-8.
  ResetTraces(128);
  for (int c = 1; c < 128; ++c) {
    auto& record = gTraces[static_cast<std::size_t>(c)];
    record.TagName = std::string(1, static_cast<char>(c));
    record.State = "a" + record.TagName + "b";
  }
  gTraces[128].TagName = "\xC3\x28\xFF";
  gTraces[128].State = std::string("x\0y", 3);  // the text ends at the null
  EXPECT_EQ(WriteXML(), DomText());
  std::mt19937 rng(20261207);
  for (int round = 0; round < 100; ++round) {
    const int n = std::uniform_int_distribution<int>(0, 8)(rng);
    ResetTraces(n);
    for (int i = 1; i <= n; ++i) gTraces[static_cast<std::size_t>(i)] = RandomRecord(rng);
    ASSERT_EQ(WriteXML(), DomText());
  }
  EXPECT_TRUE(log.Lines().empty());
}

// An event reads the document the event before wrote without parsing it:
// the records it takes must be those a parse would give.
TEST(TraceInfoRoundTripTest, ADocumentJustWrittenReadsAsAParseWouldReadIt) {
  test::CapturedLog log;
  const std::string pieces[] = {"a", " ", "\t", "\n", "\r", std::string(1, '\0'), "&", "\x01"};
  std::mt19937 rng(7);
  auto text = [&] {
    std::string value;
    for (int i = std::uniform_int_distribution<int>(0, 3)(rng); i > 0; --i)
      value += pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(rng)];
    return value;
  };
  for (int round = 0; round < 200; ++round) {
    const int n = std::uniform_int_distribution<int>(0, 4)(rng);
    ResetTraces(n);
    gTraces[0].State = text();  // index 0 is never written
    for (int i = 1; i <= n; ++i) {
      auto& record = gTraces[static_cast<std::size_t>(i)];
      record = RandomRecord(rng);
      record.TagName = text();
      record.ServerNameCell = text();
    }
    const std::string xml = WriteXML();
    ASSERT_EQ(ReadXML(xml), ParseOutcome::Complete);
    const auto taken = gTraces;
    ForgetLastDocument();
    ASSERT_EQ(ReadXML(xml), ParseOutcome::Complete);
    ASSERT_EQ(gTraces, taken) << xml;
  }
  EXPECT_TRUE(log.Lines().empty());
}

// Several trends read their documents in turn, and an operation changes the
// records it read: each reading still gives the records of its own text.
TEST(TraceInfoRoundTripTest, DocumentsReadInTurnEachGiveTheirOwnRecords) {
  test::CapturedLog log;
  std::mt19937 rng(11);
  std::vector<std::string> texts;
  std::vector<std::vector<TraceOrder>> records;
  for (int d = 0; d < 6; ++d) {  // more documents than are kept
    ResetTraces(3);
    for (int i = 1; i <= 3; ++i) gTraces[static_cast<std::size_t>(i)] = RandomRecord(rng);
    texts.push_back(WriteXML());
    ForgetLastDocument();
    ASSERT_EQ(ReadXML(texts.back()), ParseOutcome::Complete);
    records.push_back(gTraces);
  }
  for (int round = 0; round < 50; ++round) {
    const auto d = std::uniform_int_distribution<std::size_t>(0, texts.size() - 1)(rng);
    ASSERT_EQ(ReadXML(texts[d]), ParseOutcome::Complete);
    ASSERT_EQ(gTraces, records[d]) << "document " << d << " in round " << round;
    gTraces[1].TagName = "changed by the operation";
  }
  EXPECT_TRUE(log.Lines().empty());
}

}  // namespace
}  // namespace velkor
