// ArchiveTimeRange: the archive data control's time range as time texts:
// the saved range (persisted, and the range in effect after loading) and the
// range in effect, which a temporary change moves without touching the
// saved one.
#pragma once

#include <string>

#include "parts/time/TimeText.h"
#include "platform/Variant.h"

namespace velkor::sim {

inline constexpr const char* kDefaultStartText = "*-8H";
inline constexpr const char* kDefaultEndText = "*";

struct TimeTexts {
  std::string start = kDefaultStartText;
  std::string end = kDefaultEndText;
};

class ArchiveTimeRange {
 public:
  // Either bound may be Missing (it stays as it is). A bound that is no
  // time text raises Type mismatch (13) and changes nothing.
  void Set(bool temporary, const Variant& start, const Variant& end);
  const TimeTexts& Get(bool temporary) const { return temporary ? inEffect_ : saved_; }
  // Loading: the saved range, also put in effect.
  void Load(TimeTexts saved) { saved_ = inEffect_ = std::move(saved); }
  // The range in effect as dates, both bounds against the same now.
  TimeRange InEffect() const;

 private:
  TimeTexts saved_;
  TimeTexts inEffect_;
};

}  // namespace velkor::sim
