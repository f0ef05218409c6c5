// Text and numbers as they may appear inside an SVG document.
#pragma once

#include <string>
#include <string_view>

namespace velkor::sim {

// Appends `text` escaped for XML character data and attribute values.
// Characters XML 1.0 forbids (control characters other than tab, line feed
// and carriage return, U+FFFE, U+FFFF) are dropped; malformed UTF-8 becomes
// U+FFFD, so the document stays well-formed whatever the caller passes.
void AppendXmlText(std::string& out, std::string_view text);
std::string XmlText(std::string_view text);

// Appends a coordinate or length with at most two decimals and no trailing
// zeros ("12.5", "-3", "0"). A value that is not finite is written as 0, and
// magnitudes are limited to 1e9 so that a runaway value cannot produce
// hundreds of digits.
void AppendNumber(std::string& out, double value);
std::string Number(double value);

}  // namespace velkor::sim
