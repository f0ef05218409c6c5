#include "model/XmlWellFormed.h"

#include <gtest/gtest.h>

#include <string>

namespace velkor {
namespace {

// The place of the first fault, one row per kind of fault.
TEST(XmlWellFormedTest, TheFirstFaultIsNamedWithItsPlace) {
  struct Row {
    const char* xml;
    const char* described;
  };
  const Row rows[] = {
      {"junk<traceinfo/>", "line 1, column 5: not well-formed (invalid token)"},
      {"<traceinfo/>junk", "line 1, column 13: junk after document element"},
      {"<traceinfo/>\n<traceinfo/>", "line 2, column 1: junk after document element"},
      {"<traceinfo>\n <t>a & b</t></traceinfo>",
       "line 2, column 8: not well-formed (invalid token)"},
      {"<traceinfo><t>&nbsp;</t></traceinfo>", "line 1, column 15: undefined entity"},
      {"<traceinfo><t></traceinfo>", "line 1, column 17: mismatched tag"},
      {"<traceinfo>", "line 1, column 12: no element found"},
      {"<a>&#0;</a>", "line 1, column 4: reference to invalid character number"},
      {"<a>&#01;&#x1F;</a>&#1;", "line 1, column 19: not well-formed (invalid token)"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.xml);
    const auto fault = FindXmlFault(row.xml);
    ASSERT_TRUE(fault);
    EXPECT_EQ(DescribeXmlFault(*fault), row.described);
  }
}

TEST(XmlWellFormedTest, WellFormedDocumentsHaveNoFault) {
  for (const char* xml :
       {"<traceinfo/>", "<?xml version=\"1.0\" encoding=\"UTF-16\"?><a>\xC3\xBC</a>",
        "<!-- c --><a><![CDATA[<&>]]><?pi x?></a>\n",
        "<!DOCTYPE a [<!ENTITY e \"&#38;#38;\">]><a>&e;&e;</a>",
        // control characters as the trace-info writer escapes them
        "<a>&#01;&#31;&#x1;&#x0001F;<b c=\"&#8;\"/></a>"}) {
    SCOPED_TRACE(xml);
    EXPECT_FALSE(FindXmlFault(xml));
  }
}

}  // namespace
}  // namespace velkor
