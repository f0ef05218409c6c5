#include "parts/render/MarkerShapes.h"

#include "parts/render/SvgElements.h"
#include "parts/render/SvgText.h"
#include "parts/render/TrendPicture.h"

namespace velkor::sim {

namespace {

constexpr double kSize = 4.0;  // from the centre to a corner

// Appends a move-to and the closed outline through the given offsets.
template <std::size_t N>
void AppendPolygon(std::string& data, double x, double y, const double (&offsets)[N][2]) {
  for (std::size_t i = 0; i < N; ++i)
    AppendCommand(data, i == 0 ? 'M' : 'L', x + offsets[i][0], y + offsets[i][1]);
  data += 'Z';
}

}  // namespace

void AppendStatusMarker(std::string& data, std::uint32_t bit, double x, double y) {
  static constexpr double kTriangle[][2] = {{0, -kSize}, {kSize, kSize}, {-kSize, kSize}};
  static constexpr double kSquare[][2] = {{-kSize * 0.8, -kSize * 0.8},
                                          {kSize * 0.8, -kSize * 0.8},
                                          {kSize * 0.8, kSize * 0.8},
                                          {-kSize * 0.8, kSize * 0.8}};
  static constexpr double kDiamond[][2] = {{0, -kSize}, {kSize, 0}, {0, kSize}, {-kSize, 0}};
  switch (bit) {
    case status::kQuestionable:
      AppendPolygon(data, x, y, kTriangle);
      break;
    case status::kSubstituted:
      AppendPolygon(data, x, y, kSquare);
      break;
    case status::kAnnotated:
      AppendPolygon(data, x, y, kDiamond);
      break;
    default:
      break;
  }
}

void AppendDot(std::string& data, double x, double y, double radius) {
  AppendCommand(data, 'M', x - radius, y);
  for (double sweep : {2.0, -2.0}) {
    AppendCommand(data, 'a', radius, radius);
    data += " 0 1 0 ";
    AppendNumber(data, sweep * radius);
    data += " 0";
  }
  data += 'Z';
}

}  // namespace velkor::sim
