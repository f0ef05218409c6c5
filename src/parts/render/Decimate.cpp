#include "parts/render/Decimate.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velkor::sim {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);
constexpr std::size_t kSamplesPerColumn = 4;

bool HasValue(const TracePoint& p) {
  return std::isfinite(p.value);
}

// An unbroken stretch of samples within one column, by index.
struct Stretch {
  std::size_t first = kNone, low = kNone, high = kNone, last = kNone;

  bool empty() const { return first == kNone; }
  void Add(std::span<const TracePoint> s, std::size_t i) {
    if (empty()) first = low = high = i;
    if (s[i].value < s[low].value) low = i;
    if (s[i].value > s[high].value) high = i;
    last = i;
  }
  void Merge(std::span<const TracePoint> s, const Stretch& later) {
    if (later.empty()) return;
    if (empty()) {
      *this = later;
      return;
    }
    if (s[later.low].value < s[low].value) low = later.low;
    if (s[later.high].value > s[high].value) high = later.high;
    last = later.last;
  }
};

// What one pixel column has collected so far.
struct Column {
  Stretch head, middle, tail;
  std::size_t firstBreak = kNone, lastBreak = kNone;
  std::array<std::size_t, 3> flagged = {kNone, kNone, kNone};
};

// Collects one pixel column at a time. A column is split by its breaks into
// a head (before the first), a tail (after the last) and everything between,
// which is kept only as its lowest and highest sample: a column never yields
// more than a dozen samples, however the breaks fall.
class ColumnReducer {
 public:
  ColumnReducer(std::span<const TracePoint> samples, DecimatedSamples& out)
      : s_(samples), out_(out) {}

  void Add(std::size_t i) {
    NoteFlags(i);
    if (!HasValue(s_[i])) {
      AddBreak(i);
    } else {
      (c_.firstBreak == kNone ? c_.head : c_.tail).Add(s_, i);
    }
  }

  void Flush() {
    EmitInOrder(std::array{c_.head.first, c_.head.low, c_.head.high, c_.head.last}, out_.line);
    if (c_.firstBreak != kNone) out_.line.push_back(s_[c_.firstBreak]);
    if (!c_.middle.empty()) {
      EmitInOrder(std::array{c_.middle.low, c_.middle.high}, out_.line);
      out_.line.push_back(s_[c_.lastBreak]);
    }
    EmitInOrder(std::array{c_.tail.first, c_.tail.low, c_.tail.high, c_.tail.last}, out_.line);
    EmitInOrder(c_.flagged, out_.flagged);
    c_ = Column();
  }

 private:
  void AddBreak(std::size_t i) {
    if (c_.firstBreak == kNone) {
      c_.firstBreak = i;
    } else {
      c_.middle.Merge(s_, c_.tail);
      c_.tail = Stretch();
    }
    c_.lastBreak = i;
  }

  void NoteFlags(std::size_t i) {
    if (!HasValue(s_[i])) return;
    for (std::size_t b = 0; b < c_.flagged.size(); ++b) {
      if ((s_[i].status & status::kEach[b]) != 0 && c_.flagged[b] == kNone) c_.flagged[b] = i;
    }
  }

  template <std::size_t N>
  void EmitInOrder(std::array<std::size_t, N> indices, std::vector<TracePoint>& to) const {
    std::sort(indices.begin(), indices.end());
    const auto end = std::unique(indices.begin(), indices.end());
    for (auto it = indices.begin(); it != end && *it != kNone; ++it) to.push_back(s_[*it]);
  }

  std::span<const TracePoint> s_;
  DecimatedSamples& out_;
  Column c_;
};

DecimatedSamples KeepAll(std::span<const TracePoint> samples) {
  DecimatedSamples out;
  out.line.assign(samples.begin(), samples.end());
  for (const TracePoint& p : samples) {
    if (HasValue(p) && (p.status & status::kAll) != 0) out.flagged.push_back(p);
  }
  return out;
}

}  // namespace

DecimatedSamples Decimate(std::span<const TracePoint> samples, const TimeWindow& window,
                          std::size_t columns) {
  columns = std::max<std::size_t>(columns, 1);
  if (samples.size() <= columns * kSamplesPerColumn) return KeepAll(samples);
  DecimatedSamples out;
  out.line.reserve(columns * kSamplesPerColumn);
  ColumnReducer reducer(samples, out);
  const double perDay = static_cast<double>(columns) / window.Span();
  const double lastColumn = static_cast<double>(columns - 1);
  std::size_t current = 0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double position = std::clamp((samples[i].time - window.start) * perDay, 0.0, lastColumn);
    const auto column = static_cast<std::size_t>(position);
    if (column != current) {
      reducer.Flush();
      current = column;
    }
    reducer.Add(i);
  }
  reducer.Flush();
  return out;
}

}  // namespace velkor::sim
