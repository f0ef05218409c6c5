#include "parts/render/Legend.h"

#include <algorithm>

#include "parts/render/MarkerShapes.h"
#include "parts/render/Metrics.h"
#include "parts/render/Palette.h"
#include "parts/render/SvgElements.h"
#include "platform/Utf8.h"

namespace velkor::sim {

namespace {

// The longest texts tried, in characters, before entries are left out.
constexpr std::size_t kTextLimits[] = {40, 28, 20, 14};
constexpr std::size_t kDetailLimit = 32;
constexpr double kSwatchWidth = 18.0;
constexpr double kSwatchGap = 4.0;
constexpr double kItemGap = 14.0;
constexpr double kBaseline = 11.0;  // of a row's text below its top
constexpr double kSwatchCentre = 7.5;

std::string Shortened(const std::string& text, std::size_t limit) {
  const std::vector<std::size_t> offsets = utf8::Offsets(text);
  if (offsets.size() - 1 <= limit) return text;
  return text.substr(0, offsets[limit - 1]) + "\u2026";
}

double ItemWidth(const LegendItem& item) {
  return kSwatchWidth + kSwatchGap + metrics::TextWidth(item.text) + kItemGap;
}

std::vector<LegendItem> AsDrawn(const std::vector<LegendItem>& items, std::size_t limit) {
  std::vector<LegendItem> drawn = items;
  for (LegendItem& item : drawn) {
    item.text = Shortened(item.text, limit);
    if (!item.detail.empty()) item.text += " " + Shortened(item.detail, kDetailLimit);
    item.detail.clear();
  }
  return drawn;
}

// Where each column starts when items fill `rows` rows column by column;
// one more entry than columns, the last being the total width.
std::vector<double> ColumnStarts(const std::vector<LegendItem>& items, std::size_t rows) {
  std::vector<double> starts{0.0};
  for (std::size_t first = 0; first < items.size(); first += rows) {
    double widest = 0.0;
    for (std::size_t i = first; i < std::min(items.size(), first + rows); ++i)
      widest = std::max(widest, ItemWidth(items[i]));
    starts.push_back(starts.back() + widest);
  }
  return starts;
}

// The trailing gap of the last column may reach past the edge.
bool FitsWidth(const std::vector<double>& starts, double width) {
  return starts.back() - kItemGap <= width;
}

LegendLayout Placed(std::vector<LegendItem> items, std::size_t rows,
                    const std::vector<double>& starts) {
  LegendLayout legend;
  legend.rows = static_cast<int>(std::min(rows, items.size()));
  for (std::size_t i = 0; i < items.size(); ++i)
    legend.placed.push_back({std::move(items[i]), starts[i / rows], static_cast<int>(i % rows)});
  return legend;
}

// Columns as wide as the widest entry, as many as fit; the last cell counts
// the entries left out.
LegendLayout Crowded(std::vector<LegendItem> items, double width, std::size_t rows) {
  double widest = 0.0;
  for (const LegendItem& item : items) widest = std::max(widest, ItemWidth(item));
  const auto columns =
      std::max<std::size_t>(1, static_cast<std::size_t>((width + kItemGap) / widest));
  const std::size_t kept = std::min(items.size(), columns * rows - 1);
  LegendLayout legend;
  legend.rows = static_cast<int>(rows);
  for (std::size_t i = 0; i < kept; ++i)
    legend.placed.push_back(
        {std::move(items[i]), static_cast<double>(i / rows) * widest, static_cast<int>(i % rows)});
  legend.omitted = items.size() - kept;
  legend.omittedX = static_cast<double>(kept / rows) * widest;
  legend.omittedRow = static_cast<int>(kept % rows);
  return legend;
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
  if (items.empty()) return {};
  const auto rowLimit = static_cast<std::size_t>(std::max(1, maxRows));
  for (std::size_t limit : kTextLimits) {
    std::vector<LegendItem> drawn = AsDrawn(items, limit);
    for (std::size_t rows = 1; rows <= std::min(rowLimit, drawn.size()); ++rows) {
      const std::vector<double> starts = ColumnStarts(drawn, rows);
      if (FitsWidth(starts, width)) return Placed(std::move(drawn), rows, starts);
    }
  }
  std::vector<LegendItem> drawn = AsDrawn(items, std::end(kTextLimits)[-1]);
  // One column holds every entry when there is room for that many rows.
  if (drawn.size() > rowLimit) return Crowded(std::move(drawn), width, rowLimit);
  const std::size_t rows = drawn.size();
  const std::vector<double> starts = ColumnStarts(drawn, rows);
  return Placed(std::move(drawn), rows, starts);
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
    const double rowTop = top + legend.omittedRow * metrics::kLegendRowHeight;
    AppendText(svg, left + legend.omittedX, rowTop + kBaseline, "start",
               "+" + std::to_string(legend.omitted));
  }
  svg += "</g>\n";
}

}  // namespace velkor::sim
