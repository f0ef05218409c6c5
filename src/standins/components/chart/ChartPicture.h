// Freezing the chart's current state into a picture for the renderer.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "parts/render/TrendPicture.h"
#include "standins/components/DataFeed.h"
#include "standins/components/chart/ChartPropertySet.h"
#include "standins/components/chart/TraceList.h"

namespace velkor::sim {

struct LiveFeed {
  std::string source;
  std::shared_ptr<const DataFeed> feed;
};

struct PictureInputs {
  ChartDisplay display;
  std::string language;
  std::vector<TraceKey> traces;  // the shown traces, in chart order
  std::vector<LiveFeed> feeds;   // the live data sources, in the order they were added
  double width = TrendPicture{}.width;
  double height = TrendPicture{}.height;
};

// The time range is the one in effect at the first feed that has one;
// without one, the span of the traces' samples (an empty range when there
// are none). A trace whose series its feed no longer holds is drawn empty.
TrendPicture BuildPicture(const PictureInputs& inputs);

}  // namespace velkor::sim
