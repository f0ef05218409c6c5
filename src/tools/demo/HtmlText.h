// Text and markup for the HTML report.
#pragma once

#include <string>
#include <string_view>

namespace velkor::sim::demo {

// The text with &, <, >, " and ' as character references.
std::string EscapeHtml(std::string_view text);

// An SVG document as an element to inline into HTML: the XML declaration
// and document type, which HTML does not take there, removed, and every id
// and reference to one (id="x", url(#x), href="#x") given idPrefix, since
// the inlined charts share one document and one chart's clip path would
// otherwise clip another. The document must escape < and > in attribute
// values, as the chart renderer does.
std::string InlineSvg(std::string_view svg, std::string_view idPrefix);

}  // namespace velkor::sim::demo
