#include "control/ExcelTrendWizard.h"
#include "control/SlotBindings.h"
#include "control/TrendOptions.h"
#include "trend/TimeRange.h"

namespace velkor::slots {

namespace {

using C = ExcelTrendWizard;
constexpr SlotKind kGet = SlotKind::Get;
constexpr SlotKind kLet = SlotKind::Let;
constexpr SlotKind kMethod = SlotKind::Method;

template <auto Read>
Variant Get(C& c, SlotArgs&) {
  return Variant(Read(c));
}

template <auto Write>
Variant LetBoolean(C& c, SlotArgs& a) {
  Write(c, a.Boolean(0));
  return {};
}

const Binding kBindings[] = {
    {"ZaltSetTimeRange", kMethod,
     [](C& c, SlotArgs& a) {
       ZaltSetTimeRange(c, a.Boolean(0), a[1], a[2]);
       return Variant();
     }},
    {"ZaltGetTimeRange", kMethod,
     [](C& c, SlotArgs& a) {
       ZaltGetTimeRange(c, a.Boolean(0), a[1], a[2]);
       return Variant();
     }},
    {"EnableUpdates", kGet, Get<EnableUpdates>},
    {"EnableUpdates", kLet, LetBoolean<let_EnableUpdates>},
    {"EnableMarkers", kGet, Get<EnableMarkers>},
    {"EnableMarkers", kLet, LetBoolean<let_EnableMarkers>},
    {"ZaltUpdateInterval", kGet, Get<ZaltUpdateInterval>},
    {"ZaltUpdateInterval", kLet,
     [](C& c, SlotArgs& a) {
       let_ZaltUpdateInterval(c, a.Long(0));
       return Variant();
     }},
    {"TrendTitle", kGet, Get<TrendTitle>},
    {"TrendTitle", kLet,
     [](C& c, SlotArgs& a) {
       let_TrendTitle(c, a.String(0));
       return Variant();
     }},
    {"ValueAttributes", kGet, Get<ValueAttributes>},
    {"ValueAttributes", kLet, LetBoolean<let_ValueAttributes>},
};

}  // namespace

// The time range and the trend options.
std::span<const Binding> TimeRangeBindings() {
  return kBindings;
}

}  // namespace velkor::slots
