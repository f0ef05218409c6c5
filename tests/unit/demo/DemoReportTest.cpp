#include <gtest/gtest.h>

#include <string>

#include "tools/demo/DemoReport.h"
#include "tools/demo/HtmlText.h"

namespace velkor::sim::demo {
namespace {

TEST(HtmlText, EscapesMarkupAndStripsTheSvgPrologue) {
  const std::pair<const char*, const char*> escapes[] = {
      {"a<b>&\"c'", "a&lt;b&gt;&amp;&quot;c&#39;"},
      {"\\\\srv1\\ramp", "\\\\srv1\\ramp"},
      {"", ""},
  };
  for (const auto& [text, escaped] : escapes) EXPECT_EQ(EscapeHtml(text), escaped);
  EXPECT_EQ(InlineSvg("<?xml version=\"1.0\"?>\n<!DOCTYPE svg>\n<svg a=\"1\"/>", "p-"),
            "<svg a=\"1\"/>");
  EXPECT_EQ(InlineSvg("not a picture", "p-"), "");
}

TEST(HtmlText, GivesTheIdsOfAnInlinedChartItsOwnPrefixButLeavesTextAlone) {
  const std::string svg =
      "<svg><clipPath id=\"plot\"/><g clip-path=\"url(#plot)\"><use href=\"#plot\"/>"
      "<text> id=\"plot\" url(#plot)</text></g></svg>";
  EXPECT_EQ(InlineSvg(svg, "step6-"),
            "<svg><clipPath id=\"step6-plot\"/><g clip-path=\"url(#step6-plot)\">"
            "<use href=\"#step6-plot\"/><text> id=\"plot\" url(#plot)</text></g></svg>");
}

TEST(DemoReport, ShowsFailuresChartsAndReportsWithTheirTextEscaped) {
  DemoResult result;
  result.steps.push_back({"Insert <the> trend", {}, "1.svg", "<?xml?><svg id=\"c1\"></svg>"});
  result.steps.push_back({"Render", {"render: unexpected error 5"}, "2.svg", ""});
  result.log.push_back("Zalt-KX-TrendWizard>Error <5>");
  result.savedError = "Plant.json: gone";
  const std::string html = DemoReportHtml(result);
  EXPECT_NE(html.find("Insert &lt;the&gt; trend"), std::string::npos);
  EXPECT_NE(html.find("<svg id=\"step1-c1\"></svg>"), std::string::npos);
  EXPECT_EQ(html.find("<?xml"), std::string::npos);
  EXPECT_NE(html.find("no chart was drawn"), std::string::npos);
  EXPECT_NE(html.find("render: unexpected error 5"), std::string::npos);
  EXPECT_NE(html.find("Error &lt;5&gt;"), std::string::npos);
  EXPECT_NE(html.find("Plant.json: gone"), std::string::npos);
  EXPECT_NE(html.find("Some steps failed"), std::string::npos);
  EXPECT_FALSE(result.Succeeded());
}

}  // namespace
}  // namespace velkor::sim::demo
