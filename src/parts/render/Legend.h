// The legend below the plot: one entry per trace in trace order, then one per
// value attribute shown, laid out in rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velkor::sim {

struct LegendItem {
  std::string text;             // UTF-8, not yet escaped
  std::size_t trace = 0;        // the trace's position, for its colour
  std::uint32_t statusBit = 0;  // set for a value-attribute entry
};

struct LegendLayout {
  struct Placed {
    LegendItem item;
    double x = 0.0;
    int row = 0;
  };
  std::vector<Placed> placed;
  std::size_t omitted = 0;  // items that found no room
  int rows = 0;
  double height() const;
};

// Fills rows of `width` from the left, at most `maxRows` of them. Long texts
// are shortened with an ellipsis.
LegendLayout LayoutLegend(std::vector<LegendItem> items, double width, int maxRows);

// Draws the legend with its first row's top edge at `top`.
void AppendLegend(std::string& svg, const LegendLayout& legend, double left, double top);

}  // namespace velkor::sim
