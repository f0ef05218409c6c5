// The chart's box on its worksheet, in points, as trend insertion computes it
// from a range or from the defaults.
#pragma once

#include <string>

#include "platform/Variant.h"
#include "platform/host/HostFwd.h"

namespace velkor {

class ExcelTrendWizard;

struct ChartBox {
  Variant top;
  Variant left;
  Variant width;  // -1 with height -1: move without resizing
  Variant height;
  bool KeepsSize() const;
};

// At the sheet's top-left corner, as wide as the first eight columns and
// fifteen active-cell heights high.
ChartBox DefaultChartBox(host::Worksheet& sheet);

// At the range's first cell. A single cell keeps the default size for a new
// chart and the current size of an existing one; a larger range gives the
// widths of its first row and the heights of its first column.
ChartBox ChartBoxOfRange(const ExcelTrendWizard& c, host::Worksheet& sheet,
                         const std::string& address);

}  // namespace velkor
