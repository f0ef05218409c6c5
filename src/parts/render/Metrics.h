// Sizes shared by the parts of the picture, in points.
#pragma once

#include <string_view>

#include "platform/Utf8.h"

namespace velkor::sim::metrics {

inline constexpr double kPad = 8.0;
inline constexpr double kFontSize = 10.0;
inline constexpr double kTitleFontSize = 14.0;
inline constexpr double kTitleHeight = 22.0;
inline constexpr double kTimeLabelHeight = 16.0;
inline constexpr double kLegendRowHeight = 16.0;
inline constexpr double kLineWidth = 1.5;
// A value scale of its own: tick length, gap to its labels, gap to the next.
inline constexpr double kScaleTick = 3.0;
inline constexpr double kScaleLabelGap = 2.0;
inline constexpr double kScaleGap = 6.0;
// The renderer cannot measure text; an average glyph of the sans-serif font
// at kFontSize is about this wide, an East Asian wide one about twice that.
inline constexpr double kCharWidth = 6.0;

// Estimated width of UTF-8 text at kFontSize.
inline double TextWidth(std::string_view text) {
  return static_cast<double>(utf8::DisplayWidth(text)) * kCharWidth;
}

}  // namespace velkor::sim::metrics
