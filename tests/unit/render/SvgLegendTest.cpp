// The legend's layout: columns, shortening and its share of the picture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parts/render/Legend.h"
#include "parts/render/Metrics.h"
#include "parts/render/PlotLayout.h"

namespace velkor::sim {
namespace {

constexpr double kLegendGap = 4.0;  // between the time labels and the legend

std::vector<LegendItem> Items(std::size_t count, const std::string& name = "Trace ",
                              const std::string& unit = {}) {
  std::vector<LegendItem> items;
  for (std::size_t i = 0; i < count; ++i) items.push_back({name + std::to_string(i), unit, i, 0});
  return items;
}

// Every placed entry lies in its row range and the columns do not overlap.
void ExpectInside(const LegendLayout& legend, int maxRows) {
  EXPECT_LE(legend.rows, maxRows);
  for (std::size_t i = 0; i < legend.placed.size(); ++i) {
    EXPECT_GE(legend.placed[i].row, 0);
    EXPECT_LT(legend.placed[i].row, legend.rows);
    if (i > 0 && legend.placed[i].row > 0) {  // filled top down within a column
      EXPECT_EQ(legend.placed[i].x, legend.placed[i - 1].x) << i;
      EXPECT_EQ(legend.placed[i].row, legend.placed[i - 1].row + 1) << i;
    }
  }
}

TEST(SvgLegend, FillsAsFewRowsAsTheWidthAllows) {
  struct Row {
    const char* fact;
    std::size_t items;
    double width;
    int maxRows;
    int rows;
  };
  const Row rows[] = {
      {"three short entries take one row", 3, 700, 7, 1},
      {"twelve entries wrap into columns", 12, 700, 7, 2},
      {"a narrow picture takes more rows", 12, 300, 7, 4},
      {"a single entry takes one row", 1, 50, 7, 1},
  };
  for (const Row& row : rows) {
    const LegendLayout legend = LayoutLegend(Items(row.items), row.width, row.maxRows);
    EXPECT_EQ(legend.rows, row.rows) << row.fact;
    EXPECT_EQ(legend.placed.size(), row.items) << row.fact;
    EXPECT_EQ(legend.omitted, 0u) << row.fact;
    ExpectInside(legend, row.maxRows);
  }
}

TEST(SvgLegend, OneRowKeepsEntriesSideBySideInOrder) {
  const LegendLayout legend = LayoutLegend(Items(3), 700, 7);
  ASSERT_EQ(legend.placed.size(), 3u);
  EXPECT_EQ(legend.placed[0].x, 0.0);
  EXPECT_LT(legend.placed[0].x, legend.placed[1].x);
  EXPECT_LT(legend.placed[1].x, legend.placed[2].x);
}

TEST(SvgLegend, ShortensNamesButKeepsTheUnit) {
  const std::string longName(60, 'x');
  struct Row {
    const char* fact;
    double width;
    std::string expected;
  };
  const Row rows[] = {
      {"room for forty characters", 700, std::string(39, 'x') + "\u2026 [degC]"},
      {"a narrow picture shortens further", 150, std::string(13, 'x') + "\u2026 [degC]"},
  };
  for (const Row& row : rows) {
    const LegendLayout legend = LayoutLegend(Items(1, longName, "[degC]"), row.width, 3);
    ASSERT_EQ(legend.placed.size(), 1u) << row.fact;
    EXPECT_EQ(legend.placed[0].item.text.substr(0, row.expected.size()), row.expected) << row.fact;
  }
  const LegendLayout shortName = LayoutLegend(Items(1, "Flow", "[m3/h]"), 700, 3);
  EXPECT_EQ(shortName.placed[0].item.text, "Flow0 [m3/h]");
  const LegendLayout longUnit = LayoutLegend(Items(1, "Flow", std::string(50, 'u')), 700, 3);
  EXPECT_EQ(longUnit.placed[0].item.text, "Flow0 " + std::string(31, 'u') + "\u2026");
}

TEST(SvgLegend, CountsWhatFindsNoRoom) {
  const LegendLayout legend = LayoutLegend(Items(60, "A rather long trace name "), 700, 3);
  EXPECT_EQ(legend.rows, 3);
  EXPECT_GT(legend.omitted, 0u);
  EXPECT_EQ(legend.placed.size() + legend.omitted, 60u);
  EXPECT_LT(legend.omittedRow, legend.rows);
  ExpectInside(legend, 3);
}

TEST(SvgLegend, NeverTakesMoreThanAThirdOfThePicture) {
  for (const double height : {32.0, 100.0, 300.0, 405.0, 1000.0}) {
    const Canvas canvas{720.0, height};
    const int maxRows = LegendRowLimit(canvas);
    const LegendLayout legend = LayoutLegend(Items(200), canvas.width, maxRows);
    EXPECT_EQ(legend.rows, maxRows) << height;
    // One row is allowed even where it takes more.
    if (maxRows > 1) {
      EXPECT_LE(legend.height() + kLegendGap, canvas.height / 3) << height;
    }
    EXPECT_GT((legend.rows + 1) * metrics::kLegendRowHeight + kLegendGap, canvas.height / 3)
        << height << ": a row more would still fit";
  }
}

}  // namespace
}  // namespace velkor::sim
