// The few SVG elements the renderer writes, with their text escaped and
// their numbers written compactly.
#pragma once

#include <string>
#include <string_view>

#include "parts/render/PlotArea.h"

namespace velkor::sim {

// Path data: a command letter followed by one or two numbers.
void AppendCommand(std::string& data, char command, double a);
void AppendCommand(std::string& data, char command, double a, double b);

// `paint` is a list of presentation attributes written as they are; an
// empty `data` writes nothing.
void AppendPath(std::string& svg, std::string_view data, std::string_view paint);
void AppendRect(std::string& svg, const PlotArea& box, std::string_view paint);
void AppendText(std::string& svg, double x, double y, std::string_view anchor,
                std::string_view text);

// `name="value"` with the value escaped, preceded by a blank.
std::string Attribute(std::string_view name, std::string_view value);

}  // namespace velkor::sim
