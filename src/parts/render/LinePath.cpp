#include "parts/render/LinePath.h"

#include <cmath>

#include "parts/render/SvgElements.h"

namespace velkor::sim {

namespace {

class PathBuilder {
 public:
  PathBuilder(bool stepped, const PlotMapping& mapping) : stepped_(stepped), mapping_(mapping) {}

  void Add(const TracePoint& p) {
    if (!std::isfinite(p.value)) {
      Break(p.time);
      return;
    }
    const Point at = mapping_.At(p);
    if (length_ == 0) {
      AppendCommand(path_.data, 'M', at.x, at.y);
    } else if (stepped_) {
      AppendCommand(path_.data, 'H', at.x);
      AppendCommand(path_.data, 'V', at.y);
    } else {
      AppendCommand(path_.data, 'L', at.x, at.y);
    }
    last_ = at;
    ++length_;
  }

  LinePath Finish() {
    EndSubpath();
    return std::move(path_);
  }

 private:
  // A step holds its value up to the break.
  void Break(double days) {
    if (stepped_ && length_ > 0) {
      AppendCommand(path_.data, 'H', mapping_.X(days));
      ++length_;
    }
    EndSubpath();
  }

  void EndSubpath() {
    if (length_ == 1) {
      // Drop the lone move-to; the dot stands in for it.
      path_.data.resize(subpathStart_);
      path_.isolated.push_back(last_);
    }
    length_ = 0;
    subpathStart_ = path_.data.size();
  }

  bool stepped_;
  const PlotMapping& mapping_;
  LinePath path_;
  Point last_;
  std::size_t length_ = 0;
  std::size_t subpathStart_ = 0;
};

}  // namespace

LinePath BuildLinePath(const std::vector<TracePoint>& line, bool stepped,
                       const PlotMapping& mapping) {
  PathBuilder builder(stepped, mapping);
  for (const TracePoint& p : line) builder.Add(p);
  return builder.Finish();
}

}  // namespace velkor::sim
