// Text and markup for the HTML report.
#pragma once

#include <string>
#include <string_view>

namespace velkor::sim::demo {

// The text with &, <, >, " and ' as character references.
std::string EscapeHtml(std::string_view text);

// An SVG document as an element to inline into HTML: the XML declaration
// and document type, which HTML does not take there, removed.
std::string InlineSvg(std::string_view svg);

}  // namespace velkor::sim::demo
