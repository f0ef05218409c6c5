#include "parts/render/Legend.h"

#include <algorithm>

#include "parts/render/MarkerShapes.h"
#include "parts/render/Metrics.h"
#include "parts/render/Palette.h"
#include "parts/render/SvgElements.h"
#include "platform/Utf8.h"

namespace velkor::sim {

namespace {

constexpr std::size_t kMaxTextCharacters = 40;
constexpr double kSwatchWidth = 18.0;
constexpr double kSwatchGap = 4.0;
constexpr double kItemGap = 14.0;
constexpr double kBaseline = 11.0;  // of a row's text below its top
constexpr double kSwatchCentre = 7.5;

std::string Shortened(const std::string& text) {
  const std::vector<std::size_t> offsets = utf8::Offsets(text);
  if (offsets.size() - 1 <= kMaxTextCharacters) return text;
  return text.substr(0, offsets[kMaxTextCharacters - 1]) + "\u2026";
}

double ItemWidth(const LegendItem& item) {
  return kSwatchWidth + kSwatchGap + metrics::TextWidth(item.text) + kItemGap;
}

void AppendSwatch(std::string& svg, const LegendItem& item, double x, double y) {
  std::string data;
  if (item.statusBit != 0) {
    AppendStatusMarker(data, item.statusBit, x + kSwatchWidth / 2, y);
    AppendPath(svg, data, R"( fill="#ffffff" stroke="#555555" stroke-width="1")");
    return;
  }
  const TraceStyle style = StyleForTrace(item.trace);
  AppendCommand(data, 'M', x, y);
  AppendCommand(data, 'H', x + kSwatchWidth);
  std::string paint = Attribute("stroke", style.colour) + R"( stroke-width="2")";
  if (!style.dashArray.empty()) paint += Attribute("stroke-dasharray", style.dashArray);
  AppendPath(svg, data, paint);
}

}  // namespace

double LegendLayout::height() const {
  return rows * metrics::kLegendRowHeight;
}

LegendLayout LayoutLegend(std::vector<LegendItem> items, double width, int maxRows) {
  LegendLayout legend;
  double x = 0.0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    items[i].text = Shortened(items[i].text);
    const double itemWidth = ItemWidth(items[i]);
    if (legend.rows == 0 || (x > 0.0 && x + itemWidth > width)) {
      if (legend.rows == maxRows) {
        legend.omitted = items.size() - i;
        break;
      }
      ++legend.rows;
      x = 0.0;
    }
    legend.placed.push_back({std::move(items[i]), x, legend.rows - 1});
    x += itemWidth;
  }
  return legend;
}

void AppendLegend(std::string& svg, const LegendLayout& legend, double left, double top) {
  if (legend.placed.empty()) return;
  svg += "<g fill=\"none\">\n";
  for (const auto& placed : legend.placed) {
    const double rowTop = top + placed.row * metrics::kLegendRowHeight;
    AppendSwatch(svg, placed.item, left + placed.x, rowTop + kSwatchCentre);
  }
  svg += "</g>\n<g fill=\"#222222\">\n";
  for (const auto& placed : legend.placed) {
    const double rowTop = top + placed.row * metrics::kLegendRowHeight;
    AppendText(svg, left + placed.x + kSwatchWidth + kSwatchGap, rowTop + kBaseline, "start",
               placed.item.text);
  }
  if (legend.omitted > 0) {
    const auto& last = legend.placed.back();
    const double x = left + last.x + ItemWidth(last.item);
    const double rowTop = top + last.row * metrics::kLegendRowHeight;
    AppendText(svg, x, rowTop + kBaseline, "start", "+" + std::to_string(legend.omitted));
  }
  svg += "</g>\n";
}

}  // namespace velkor::sim
