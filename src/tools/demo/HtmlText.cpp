#include "tools/demo/HtmlText.h"

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

namespace {

// The markup before which an id is named, in an attribute of a tag.
constexpr std::string_view kIdLeads[] = {" id=\"", "url(#", "href=\"#"};

std::size_t IdLeadAt(std::string_view markup, std::size_t at) {
  for (const auto lead : kIdLeads)
    if (markup.substr(at, lead.size()) == lead) return lead.size();
  return 0;
}

}  // namespace

std::string InlineSvg(std::string_view svg, std::string_view idPrefix) {
  const auto root = svg.find("<svg");
  if (root == std::string_view::npos) return {};
  const std::string_view element = svg.substr(root);
  std::string out;
  out.reserve(element.size());
  bool inTag = false;
  for (std::size_t i = 0; i < element.size();) {
    const std::size_t lead = inTag ? IdLeadAt(element, i) : 0;
    if (lead != 0) {
      out.append(element.substr(i, lead)).append(idPrefix);
      i += lead;
      continue;
    }
    if (element[i] == '<') inTag = true;
    if (element[i] == '>') inTag = false;
    out += element[i++];
  }
  return out;
}

}  // namespace velkor::sim::demo
