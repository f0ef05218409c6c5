#include "sim/demo/HtmlText.h"

namespace velkor::sim::demo {

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string InlineSvg(std::string_view svg) {
  const auto root = svg.find("<svg");
  if (root == std::string_view::npos) return {};
  return std::string(svg.substr(root));
}

}  // namespace velkor::sim::demo
