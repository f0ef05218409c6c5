#include "parts/render/SvgElements.h"

#include "parts/render/SvgText.h"

namespace velkor::sim {

void AppendCommand(std::string& data, char command, double a) {
  data += command;
  AppendNumber(data, a);
}

void AppendCommand(std::string& data, char command, double a, double b) {
  AppendCommand(data, command, a);
  data += ' ';
  AppendNumber(data, b);
}

void AppendPath(std::string& svg, std::string_view data, std::string_view paint) {
  if (data.empty()) return;
  svg += "<path d=\"";
  svg += data;
  svg += '"';
  svg += paint;
  svg += "/>\n";
}

void AppendRect(std::string& svg, const PlotArea& box, std::string_view paint) {
  svg += "<rect x=\"";
  AppendNumber(svg, box.left);
  svg += "\" y=\"";
  AppendNumber(svg, box.top);
  svg += "\" width=\"";
  AppendNumber(svg, box.width);
  svg += "\" height=\"";
  AppendNumber(svg, box.height);
  svg += '"';
  svg += paint;
  svg += "/>\n";
}

void AppendText(std::string& svg, double x, double y, std::string_view anchor,
                std::string_view text) {
  svg += "<text x=\"";
  AppendNumber(svg, x);
  svg += "\" y=\"";
  AppendNumber(svg, y);
  svg += "\" text-anchor=\"";
  svg += anchor;
  svg += "\">";
  AppendXmlText(svg, text);
  svg += "</text>\n";
}

std::string Attribute(std::string_view name, std::string_view value) {
  std::string out = " ";
  out += name;
  out += "=\"";
  AppendXmlText(out, value);
  out += '"';
  return out;
}

}  // namespace velkor::sim
