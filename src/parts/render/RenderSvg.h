// Draws a trend picture as a standalone SVG 1.1 document.
#pragma once

#include <string>

#include "parts/render/TrendPicture.h"

namespace velkor::sim {

// Always a well-formed document, whatever the picture holds: no traces, no
// samples, a time range that is empty or reversed (an empty plot with a
// note), values near the limits of a double, text with markup or control
// characters. Millions of samples are reduced to a few per pixel column
// first, in linear time.
std::string RenderSvg(const TrendPicture& picture);

}  // namespace velkor::sim
