#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/TraceInfoXml.h"
#include "model/Traces.h"
#include "unit/model/CapturedLog.h"

namespace velkor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class TraceInfoXmlTest : public ::testing::Test {
 protected:
  test::CapturedLog log_;
};

std::string Doc(const std::string& body) {
  return "<traceinfo>" + body + "</traceinfo>";
}

TEST_F(TraceInfoXmlTest, DocumentsWithoutRecords) {
  for (const char* xml : {"", "  \r\n\t", "<traceinfo/>", "<traceinfo></traceinfo>",
                          "<?xml version=\"1.0\"?>\n<traceinfo>\n</traceinfo>\n"}) {
    SCOPED_TRACE(xml);
    ReadXML("<traceinfo><trace1/></traceinfo>");
    EXPECT_EQ(ReadXML(xml), ParseOutcome::Complete);
    EXPECT_EQ(TracesUBound(), 0);
    EXPECT_EQ(WriteXML(), "<traceinfo/>");
  }
  EXPECT_THAT(log_.Lines(), IsEmpty());
}

TEST_F(TraceInfoXmlTest, TextThatIsNoDocumentReadsAsNoRecordsWithoutReport) {
  for (const char* xml : {"not xml", "<traceinfo><trace1>", "<a></b>", "<!-- only -->",
                          "<traceinfo><trace1><TraceName>x</TraceName></trace1>"}) {
    SCOPED_TRACE(xml);
    ReadXML(Doc("<trace1/><trace2/>"));
    EXPECT_EQ(ReadXML(xml), ParseOutcome::NotXml);
    EXPECT_EQ(TracesUBound(), 0);
    EXPECT_FALSE(MayWriteBack(ParseOutcome::NotXml));
  }
  EXPECT_THAT(log_.Lines(), IsEmpty());
}

// A lenient reader would find the records inside these texts; none of them
// is a well-formed document, so none gives a record.
TEST_F(TraceInfoXmlTest, TextThatIsNotWellFormedGivesNoRecords) {
  const std::string record = "<trace1><TagName>t</TagName><TraceOrder>1</TraceOrder></trace1>";
  for (const std::string& xml : {
           "junk" + Doc(record),
           Doc(record) + "junk",
           Doc(record) + Doc(record),
           Doc(record) + "<trace2/>",
           Doc("<trace1><TagName>a & b</TagName></trace1>"),
           Doc("<trace1><TagName>&nbsp;</TagName></trace1>"),
           Doc("<trace1><TagName a=1>t</TagName></trace1>"),
           "{\"controls\": [{\"TraceInfoXML\": \"" + Doc(record) + "\"}]}",
       }) {
    SCOPED_TRACE(xml);
    ReadXML(Doc("<trace1/><trace2/>"));
    EXPECT_EQ(ReadXML(xml), ParseOutcome::NotXml);
    EXPECT_EQ(TracesUBound(), 0);
  }
  EXPECT_THAT(log_.Lines(), IsEmpty());
}

// Comments, processing instructions and blanks around the root are part of
// a well-formed document and give no records of their own.
TEST_F(TraceInfoXmlTest, CommentsAndProcessingInstructionsStayIgnored) {
  for (const std::string& xml : {
           "<!-- saved -->\n" + Doc("<trace1><TagName>t</TagName></trace1>") + "\n<!-- end -->",
           "<?xml version=\"1.0\"?><?app x?>" +
               Doc("<?app y?><trace1><TagName>t</TagName></trace1>"),
           Doc("<trace1><!-- c --><TagName>t</TagName><?app z?></trace1>") + "<?app after?>\r\n",
       }) {
    SCOPED_TRACE(xml);
    EXPECT_EQ(ReadXML(xml), ParseOutcome::Complete);
    ASSERT_EQ(TracesUBound(), 1);
    EXPECT_EQ(gTraces[1].TagName, "t");
  }
  EXPECT_THAT(log_.Lines(), IsEmpty());
}

// One row per reference: whether the document holding it is well-formed.
TEST_F(TraceInfoXmlTest, AReferenceToNoCharacterMakesTheDocumentNoDocument) {
  const struct {
    const char* body;
    bool wellFormed;
  } cases[] = {
      {"<t><TagName>a&#0;b</TagName></t>", false},
      {"<t><TagName>&#x0000;</TagName></t>", false},
      {"<t><TagName>&#xD800;</TagName></t>", false},
      {"<t><TagName>&#57343;</TagName></t>", false},
      {"<t><TagName>&#x110000;</TagName></t>", false},
      {"<t><TagName>&#x100000041;</TagName></t>", false},  // wraps to 'A' in 32 bits
      {"<t><TagName>&#99999999999999999999;</TagName></t>", false},
      {"<t a=\"&#xDFFF;\"><TagName>x</TagName></t>", false},
      {"<t><TagName>&#xD7FF;&#xE000;&#x10FFFF;&#65;</TagName></t>", true},
      {"<t><TagName>&amp;#0;</TagName></t>", true},
      {"<t><TagName><![CDATA[&#0;]]></TagName></t>", true},
      {"<!-- &#0; --><t><TagName>x</TagName></t>", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    ReadXML(Doc("<trace1/><trace2/>"));
    const auto outcome = ReadXML(Doc(c.body));
    EXPECT_EQ(outcome, c.wellFormed ? ParseOutcome::Complete : ParseOutcome::NotXml);
    EXPECT_EQ(TracesUBound(), c.wellFormed ? 1 : 0);
    EXPECT_EQ(MayWriteBack(outcome), c.wellFormed);
  }
  EXPECT_EQ(ReadXML(Doc("<t><TagName>&amp;#0;</TagName></t>")), ParseOutcome::Complete);
  EXPECT_EQ(gTraces[1].TagName, "&#0;");
  EXPECT_THAT(log_.Lines(), IsEmpty());
}

TEST_F(TraceInfoXmlTest, RecordsAreReadInDocumentOrderWhateverTheirNames) {
  ReadXML(
      "<anyroot><trace7><TraceName>a</TraceName></trace7>"
      "<foo><TraceName>b</TraceName></foo><trace1/>"
      "<trace2><TagName>c</TagName></trace2></anyroot>");
  ASSERT_EQ(TracesUBound(), 4);
  EXPECT_EQ(gTraces[1].TraceName, "a");
  EXPECT_EQ(gTraces[2].TraceName, "b");
  EXPECT_EQ(gTraces[3], TraceOrder{});
  EXPECT_EQ(gTraces[4].TagName, "c");
  EXPECT_EQ(WriteXML().find("<trace7>"), std::string::npos);
  ReadXML(WriteXML());
  EXPECT_EQ(gTraces[4].TagName, "c");
}

TEST_F(TraceInfoXmlTest, FieldElementsThatAreNoFieldAreIgnored) {
  EXPECT_EQ(ReadXML(Doc("<trace1><tracename>lower</tracename><TRACENAME>upper</TRACENAME>"
                        "<Unknown>u</Unknown><TraceName>kept</TraceName>"
                        "<traceorder>x</traceorder>text between</trace1>")),
            ParseOutcome::Complete);
  ASSERT_EQ(TracesUBound(), 1);
  TraceOrder expected;
  expected.TraceName = "kept";
  EXPECT_EQ(gTraces[1], expected);
  EXPECT_THAT(log_.Lines(), IsEmpty());
}

TEST_F(TraceInfoXmlTest, EveryFieldIsReadByItsName) {
  ReadXML(
      Doc("<t><WorksheetName>1</WorksheetName><DataSourceName>2</DataSourceName>"
          "<TraceName>3</TraceName><CellRange>4</CellRange><TraceOrder>5</TraceOrder>"
          "<qsIndex>6</qsIndex><ServerName>7</ServerName><TagName>8</TagName>"
          "<ServerNameCell>9</ServerNameCell><TagNameCell>10</TagNameCell>"
          "<State>11</State><WorkbookName>12</WorkbookName>"
          "<TraceNameCell>13</TraceNameCell></t>"));
  const TraceOrder expected{"1", "2", "3", "4", 5, 6, "7", "8", "9", "10", "11", "12", "13"};
  EXPECT_EQ(gTraces[1], expected);
}

TEST_F(TraceInfoXmlTest, LaterDuplicateWinsButAnEmptyOneChangesNothing) {
  ReadXML(
      Doc("<t><TagName>first</TagName><TagName>second</TagName>"
          "<ServerName>kept</ServerName><ServerName/><State>a</State><State></State></t>"));
  EXPECT_EQ(gTraces[1].TagName, "second");
  EXPECT_EQ(gTraces[1].ServerName, "kept");
  EXPECT_EQ(gTraces[1].State, "a");
}

TEST_F(TraceInfoXmlTest, FieldTextIsTheTextOfTheFirstChild) {
  struct Case {
    const char* content;
    const char* expected;
  };
  const Case cases[] = {
      {"plain", "plain"},
      {"  blanks kept  ", "  blanks kept  "},
      {"a &amp; b &lt;c&gt; &quot;&apos;", "a & b <c> \"'"},
      {"&#13;&#x41;", "\rA"},
      {"<![CDATA[x < y & z]]>", "x < y & z"},
      {"head<b>bold</b>tail", "head"},
      {"<b>bo<i>ld</i><![CDATA[!]]></b>tail", "bold!"},
      {"<b/>tail", ""},
      {"<!-- note -->after", "after"},
      {"line1\r\nline2", "line1\nline2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content);
    ReadXML(Doc(std::string("<t><TraceName>") + c.content + "</TraceName></t>"));
    ASSERT_EQ(TracesUBound(), 1);
    EXPECT_EQ(gTraces[1].TraceName, c.expected);
  }
}

TEST_F(TraceInfoXmlTest, IntegerFieldsFollowTheRuntimeConversion) {
  struct Case {
    const char* text;
    std::int16_t value;
  };
  const Case cases[] = {{"3", 3},           {" 3 ", 3},       {"2.5", 2}, {"3.5", 4},
                        {"-32768", -32768}, {"32767", 32767}, {"+7", 7},  {"&amp;H10", 16},
                        {"1e2", 100},       {"  -0.4 ", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ReadXML(Doc(std::string("<t><TraceOrder>") + c.text + "</TraceOrder><qsIndex>" +
                          c.text + "</qsIndex></t>")),
              ParseOutcome::Complete);
    EXPECT_EQ(gTraces[1].TraceOrder, c.value);
    EXPECT_EQ(gTraces[1].qsIndex, c.value);
  }
  EXPECT_THAT(log_.Lines(), IsEmpty());
}

TEST_F(TraceInfoXmlTest, BadNumberEndsTheParseAndIsReported) {
  struct Case {
    const char* field;
    const char* text;
    const char* report;
  };
  const Case cases[] = {
      {"TraceOrder", "x", "Zalt-KX-TrendWizard>Error 13: Type mismatch in ReadXML"},
      {"qsIndex", "32768", "Zalt-KX-TrendWizard>Error 6: Overflow in ReadXML"},
      {"TraceOrder", "<![CDATA[]]>", "Zalt-KX-TrendWizard>Error 13: Type mismatch in ReadXML"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    test::CapturedLog log;
    const std::string bad = std::string("<") + c.field + ">" + c.text + "</" + c.field + ">";
    const auto outcome =
        ReadXML(Doc("<trace1><TraceName>one</TraceName></trace1>"
                    "<trace2><TraceName>two</TraceName>" +
                    bad +
                    "<TagName>after</TagName></trace2>"
                    "<trace3><TraceName>three</TraceName></trace3>"));
    EXPECT_EQ(outcome, ParseOutcome::Partial);
    EXPECT_FALSE(MayWriteBack(outcome));
    EXPECT_THAT(log.Lines(), ElementsAre(c.report));
    ASSERT_EQ(TracesUBound(), 3);
    EXPECT_EQ(gTraces[1].TraceName, "one");
    EXPECT_EQ(gTraces[2].TraceName, "two");
    EXPECT_EQ(gTraces[2].TagName, "");
    EXPECT_EQ(gTraces[3], TraceOrder{});
  }
}

TEST_F(TraceInfoXmlTest, WritesFieldsInTheirFixedOrder) {
  ResetTraces(1);
  gTraces[1] =
      TraceOrder{"Sheet1", "ZaltArcDC1_Sheet1",  "\\\\srv\\tag", "A1:B9",     2, 7, "srv", "tag",
                 "",       "[Book1]Sheet1!$C$3", "ok",           "Book1.xls", ""};
  EXPECT_EQ(WriteXML(),
            "<traceinfo><trace1><TraceName>\\\\srv\\tag</TraceName><ServerName>srv</ServerName>"
            "<TagName>tag</TagName><DataSourceName>ZaltArcDC1_Sheet1</DataSourceName>"
            "<TraceOrder>2</TraceOrder><qsIndex>7</qsIndex><ServerNameCell></ServerNameCell>"
            "<TagNameCell>[Book1]Sheet1!$C$3</TagNameCell><WorksheetName>Sheet1</WorksheetName>"
            "<CellRange>A1:B9</CellRange><State>ok</State><WorkbookName>Book1.xls</WorkbookName>"
            "<TraceNameCell></TraceNameCell></trace1></traceinfo>");
}

TEST_F(TraceInfoXmlTest, SpecialCharactersSurviveWriteAndRead) {
  const std::vector<std::string> values = {"a & b",       "<tag>",   "x > y", "]]>",
                                           "\"'",         "&amp;",   "a\rb",  "tab\there",
                                           "line\nbreak", "\x01\x1f"};
  ResetTraces(static_cast<std::int32_t>(values.size()));
  for (std::size_t i = 0; i < values.size(); ++i) gTraces[i + 1].TagName = values[i];
  const std::string xml = WriteXML();
  ResetTraces(0);
  EXPECT_EQ(ReadXML(xml), ParseOutcome::Complete);
  ASSERT_EQ(TracesUBound(), static_cast<std::int32_t>(values.size()));
  for (std::size_t i = 0; i < values.size(); ++i) EXPECT_EQ(gTraces[i + 1].TagName, values[i]);
}

TEST_F(TraceInfoXmlTest, ADeclaredEncodingIsIgnoredForTheDecodedText) {
  ReadXML(
      "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"
      "<traceinfo><t><TagName>Gr\xC3\xBC\xC3\x9F"
      "e</TagName></t></traceinfo>");
  EXPECT_EQ(gTraces[1].TagName,
            "Gr\xC3\xBC\xC3\x9F"
            "e");
}

}  // namespace
}  // namespace velkor
