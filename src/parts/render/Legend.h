// The legend below the plot: one entry per trace in trace order, then one per
// value attribute shown, laid out in columns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velkor::sim {

struct LegendItem {
  std::string text;             // UTF-8, not yet escaped; shortened when long
  std::string detail;           // after the text, kept when it is shortened (the unit)
  std::size_t trace = 0;        // the trace's position, for its colour
  std::uint32_t statusBit = 0;  // set for a value-attribute entry
};

struct LegendLayout {
  struct Placed {
    LegendItem item;  // its text as drawn
    double x = 0.0;
    int row = 0;
  };
  std::vector<Placed> placed;
  std::size_t omitted = 0;  // items that found no room, counted in the last cell
  double omittedX = 0.0;
  int omittedRow = 0;
  int rows = 0;
  double height() const;
};

// Fills columns top down, as few rows as fit `width`, at most `maxRows`;
// each column is as wide as its widest entry. When the entries do not fit,
// long texts are shortened further (with an ellipsis), and what still finds
// no room is counted as "+N" in the last cell.
LegendLayout LayoutLegend(std::vector<LegendItem> items, double width, int maxRows);

// Draws the legend with its first row's top edge at `top`.
void AppendLegend(std::string& svg, const LegendLayout& legend, double left, double top);

}  // namespace velkor::sim
