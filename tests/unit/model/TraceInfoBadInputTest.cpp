#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

#include "model/TraceInfoXml.h"
#include "model/Traces.h"
#include "unit/model/CapturedLog.h"

namespace velkor {
namespace {

using namespace std::string_literals;

std::string Repeat(const std::string& piece, std::size_t times) {
  std::string text;
  text.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

const std::string kValid =
    "<traceinfo><trace1><TraceName>\\\\srv\\tag</TraceName><ServerName>srv</ServerName>"
    "<TagName>tag &amp; co</TagName><DataSourceName>ZaltArcDC1_Sheet1</DataSourceName>"
    "<TraceOrder>1</TraceOrder><qsIndex>3</qsIndex><ServerNameCell></ServerNameCell>"
    "<TagNameCell>Sheet1!$B$2</TagNameCell></trace1><trace2><TraceName><![CDATA[<x>]]>"
    "</TraceName><TraceOrder>2</TraceOrder><State>s</State></trace2></traceinfo>";

class TraceInfoBadInputTest : public ::testing::Test {
 protected:
  test::CapturedLog log_;
};

TEST_F(TraceInfoBadInputTest, DeepNestingCostsNoStack) {
  constexpr std::size_t kDepth = 100000;
  const std::string open = Repeat("<a>", kDepth), close = Repeat("</a>", kDepth);

  EXPECT_EQ(ReadXML("<traceinfo>" + open + close + "</traceinfo>"), ParseOutcome::Complete);
  EXPECT_EQ(TracesUBound(), 1);
  EXPECT_EQ(ReadXML(open + close), ParseOutcome::Complete);
  EXPECT_EQ(TracesUBound(), 1);
  EXPECT_EQ(ReadXML("<r><t><TagName>" + open + "deep" + close + "</TagName></t></r>"),
            ParseOutcome::Complete);
  EXPECT_EQ(gTraces[1].TagName, "deep");
  EXPECT_EQ(ReadXML("<r><t>" + open), ParseOutcome::NotXml);
  EXPECT_EQ(TracesUBound(), 0);
  EXPECT_TRUE(log_.Lines().empty());
}

TEST_F(TraceInfoBadInputTest, EveryTruncationReadsAsNoDocument) {
  for (std::size_t length = 0; length < kValid.size(); ++length) {
    const auto outcome = ReadXML(kValid.substr(0, length));
    ASSERT_NE(outcome, ParseOutcome::Partial) << length;
    if (outcome == ParseOutcome::NotXml) {
      ASSERT_EQ(TracesUBound(), 0) << length;
    }
  }
  EXPECT_TRUE(log_.Lines().empty());
  EXPECT_EQ(ReadXML(kValid), ParseOutcome::Complete);
  EXPECT_EQ(TracesUBound(), 2);
}

TEST_F(TraceInfoBadInputTest, MutatedDocumentsReportOnlyWhatEndsTheParse) {
  std::mt19937 rng(7);
  const std::string bytes = "<>/&;![]\"'= \0\xff\xc3x9-"s;
  for (int round = 0; round < 3000; ++round) {
    std::string xml = kValid;
    const int edits = std::uniform_int_distribution<int>(1, 4)(rng);
    for (int e = 0; e < edits; ++e) {
      const auto at = std::uniform_int_distribution<std::size_t>(0, xml.size() - 1)(rng);
      const char c = bytes[std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(rng)];
      xml[at] = c;
    }
    const auto before = log_.Lines().size();
    const auto outcome = ReadXML(xml);
    ASSERT_EQ(log_.Lines().size() - before, outcome == ParseOutcome::Partial ? 1u : 0u) << xml;
    ASSERT_LE(TracesUBound(), 2) << xml;
  }
}

TEST_F(TraceInfoBadInputTest, HostileDoctypeIsNeitherExpandedNorFetched) {
  std::string lol = "<!DOCTYPE r [<!ENTITY lol0 \"lol\">";
  for (int i = 1; i < 10; ++i)
    lol += "<!ENTITY lol" + std::to_string(i) + " \"" +
           Repeat("&lol" + std::to_string(i - 1) + ";", 10) + "\">";
  lol += "<!ENTITY ext SYSTEM \"file:///etc/passwd\">]>";
  EXPECT_EQ(ReadXML(lol + "<r><t><TagName>&lol9;</TagName><State>&ext;</State></t></r>"),
            ParseOutcome::Complete);
  ASSERT_EQ(TracesUBound(), 1);
  EXPECT_EQ(gTraces[1].TagName, "&lol9;");
  EXPECT_EQ(gTraces[1].State, "&ext;");

  const std::string nested = "<!DOCTYPE r [" + Repeat("<![INCLUDE[", 100000) + "]>";
  EXPECT_NE(ReadXML(nested + "<r><t/></r>"), ParseOutcome::Partial);
  const std::string groups = "<!DOCTYPE r [" + Repeat("<!x ", 100000) + "]>";
  EXPECT_NE(ReadXML(groups + "<r><t/></r>"), ParseOutcome::Partial);
  EXPECT_TRUE(log_.Lines().empty());
}

TEST_F(TraceInfoBadInputTest, EmbeddedNulCharactersAreHarmless) {
  const std::string xml = "<r><t><TagName>a\0b</TagName></t></r>\0<x>"s;
  EXPECT_NE(ReadXML(xml), ParseOutcome::Partial);
  EXPECT_LE(TracesUBound(), 1);
}

TEST_F(TraceInfoBadInputTest, RecordsBeyondA16BitPositionAreRefused) {
  EXPECT_EQ(ReadXML("<r>" + Repeat("<t/>", kMaxTraceRecords) + "</r>"), ParseOutcome::Complete);
  EXPECT_EQ(TracesUBound(), kMaxTraceRecords);
  EXPECT_TRUE(log_.Lines().empty());

  const auto outcome =
      ReadXML("<r>" + Repeat("<t><TagName>x</TagName></t>", kMaxTraceRecords + 1000) + "</r>");
  EXPECT_EQ(outcome, ParseOutcome::Partial);
  EXPECT_EQ(TracesUBound(), kMaxTraceRecords);
  EXPECT_EQ(gTraces[kMaxTraceRecords].TagName, "x");
  ASSERT_EQ(log_.Lines().size(), 1u);
  EXPECT_EQ(log_.Lines()[0], "Zalt-KX-TrendWizard>Error 6: Overflow in ReadXML");
}

TEST_F(TraceInfoBadInputTest, HugeDocumentsAreReadQuickly) {
  const std::string record = "<trace><TraceName>" + std::string(1000, 'n') +
                             "</TraceName><TagName>" + std::string(500, 't') +
                             "</TagName><TraceOrder>1</TraceOrder></trace>";
  const std::string many = "<r>" + Repeat(record, 20000) + "</r>";  // about 30 MB
  const std::string oneValue = "<r><t><State>" + std::string(30u << 20, 's') + "</State></t></r>";

  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ReadXML(many), ParseOutcome::Complete);
  EXPECT_EQ(TracesUBound(), 20000);
  EXPECT_EQ(gTraces[20000].TagName.size(), 500u);
  EXPECT_EQ(ReadXML(oneValue), ParseOutcome::Complete);
  EXPECT_EQ(gTraces[1].State.size(), 30u << 20);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(elapsed, std::chrono::seconds(10));
}

}  // namespace
}  // namespace velkor
