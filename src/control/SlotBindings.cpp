#include "control/SlotBindings.h"

#include <algorithm>
#include <type_traits>
#include <vector>

#include "control/ExcelTrendWizard.h"
#include "platform/Conversions.h"

namespace velkor::slots {

namespace {

using C = ExcelTrendWizard;
constexpr SlotKind kGet = SlotKind::Get;
constexpr SlotKind kLet = SlotKind::Let;
constexpr SlotKind kMethod = SlotKind::Method;

// Plain accessors: the get returns the field, the let stores the argument,
// already converted to the declared type.
template <auto Field>
Variant GetField(C& c, SlotArgs&) {
  return Variant(c.*Field);
}
template <auto Field>
Variant LetBoolean(C& c, SlotArgs& a) {
  c.*Field = a.Boolean(0);
  return {};
}
template <auto Field>
Variant LetString(C& c, SlotArgs& a) {
  c.*Field = a.String(0);
  return {};
}

// Variant-typed properties over a text field: the let converts to text (a
// value without a text form fails with the conversion's error), the get
// hands out a String.
template <auto Field>
Variant LetText(C& c, SlotArgs& a) {
  c.*Field = CStr(a[0]);
  return {};
}

// Variant-typed properties over a Variant field keep any subtype.
template <auto Field>
Variant LetVariant(C& c, SlotArgs& a) {
  c.*Field = a[0];
  return {};
}

// The object properties assign through the event-bound members, which
// connect the control to the new object's events.
template <auto Member>
Variant GetBound(C& c, SlotArgs&) {
  return Variant((c.*Member).get());
}
template <auto Member>
Variant LetBound(C& c, SlotArgs& a) {
  using Target = typename std::remove_reference_t<decltype(c.*Member)>::element_type;
  (c.*Member).Assign(a.ObjectAs<Target>(0));
  return {};
}

Variant LetIsExport(C& c, SlotArgs& a) {
  c.bIsExport = CBool(a[0]);
  return {};
}

// One line per built slot; a published slot missing here answers 438.
const Binding kBindings[] = {
    {"bExcelDCRemoved", kGet, GetField<&C::bExcelDCRemoved>},
    {"bExcelDCRemoved", kLet, LetBoolean<&C::bExcelDCRemoved>},
    {"bZaltArcDCRemoved", kGet, GetField<&C::bZaltArcDCRemoved>},
    {"bZaltArcDCRemoved", kLet, LetBoolean<&C::bZaltArcDCRemoved>},
    {"objTrend", kGet, GetBound<&C::m_objTrend>},
    {"objExcelDC", kGet, GetBound<&C::m_objExcelDC>},
    {"objZaltArcDC", kGet, GetBound<&C::m_objZaltArcDC>},
    {"ExcelDcName", kGet, GetField<&C::ExcelDcName>},
    {"ZaltArcDCName", kGet, GetField<&C::ZaltArcDCName>},
    {"strStartTime", kGet, GetField<&C::strStartTime>},
    {"strStartTime", kLet, LetVariant<&C::strStartTime>},
    {"strEndTime", kGet, GetField<&C::strEndTime>},
    {"strEndTime", kLet, LetVariant<&C::strEndTime>},
    {"tglStartTime", kGet, GetField<&C::tglStartTime>},
    {"tglStartTime", kLet, LetBoolean<&C::tglStartTime>},
    {"tglEndTime", kGet, GetField<&C::tglEndTime>},
    {"tglEndTime", kLet, LetBoolean<&C::tglEndTime>},
    {"strtxtStartTime", kGet, GetField<&C::strtxtStartTime>},
    {"strtxtStartTime", kLet, LetString<&C::strtxtStartTime>},
    {"strtxtEndTime", kGet, GetField<&C::strtxtEndTime>},
    {"strtxtEndTime", kLet, LetString<&C::strtxtEndTime>},
    {"TrendPosition", kGet, GetField<&C::TrendPosition>},
    {"TrendPosition", kLet, LetText<&C::TrendPosition>},
    {"TraceInfo", kGet, GetField<&C::TraceInfo>},
    {"TraceInfo", kLet,
     [](C& c, SlotArgs& a) {
       c.let_TraceInfo(a.String(0));
       return Variant();
     }},
    {"WizardControlName", kGet, GetField<&C::WizardControlName>},
    {"WizardControlName", kLet, LetString<&C::WizardControlName>},
    {"bFirstSetTime", kGet, GetField<&C::bFirstSetTime>},
    {"bFirstSetTime", kLet, LetBoolean<&C::bFirstSetTime>},
    {"TrendSheetName", kGet, GetField<&C::TrendSheetName>},
    {"StartGroupedChange", kGet, GetField<&C::StartGroupedChange>},
    {"StartGroupedChange", kLet, LetBoolean<&C::StartGroupedChange>},
    {"xTrendTitle", kLet,
     [](C& c, SlotArgs& a) {
       c.let_xTrendTitle(a.String(0));
       return Variant();
     }},
    {"objTrend", kLet, LetBound<&C::m_objTrend>},
    {"objExcelDC", kLet, LetBound<&C::m_objExcelDC>},
    {"objZaltArcDC", kLet, LetBound<&C::m_objZaltArcDC>},
    {"ZaltArcDCConnected", kGet, GetField<&C::ZaltArcDCConnected>},
    {"ZaltArcDCConnected", kLet, LetBoolean<&C::ZaltArcDCConnected>},
    {"ExcelDCConnected", kGet, GetField<&C::ExcelDCConnected>},
    {"ExcelDCConnected", kLet, LetBoolean<&C::ExcelDCConnected>},
    {"TrendName", kGet, GetField<&C::TrendName>},
    {"TrendName", kLet, LetText<&C::TrendName>},
    {"ExcelDcName", kLet, LetText<&C::ExcelDcName>},
    {"ZaltArcDCName", kLet, LetText<&C::ZaltArcDCName>},
    {"bIsExport", kGet, GetField<&C::bIsExport>},
    {"bIsExport", kLet, LetIsExport},
    {"xValueAttributes", kLet,
     [](C& c, SlotArgs& a) {
       c.let_xValueAttributes(a.Boolean(0));
       return Variant();
     }},
    {"LanguageID", kGet, GetField<&C::LanguageID>},
    {"LanguageID", kLet,
     [](C& c, SlotArgs& a) {
       c.let_LanguageID(a.String(0));
       return Variant();
     }},
    {"ShellMsgBox", kMethod,
     [](C& c, SlotArgs& a) { return Variant(c.ShellMsgBox(a.String(0), a.String(1), a.Long(2))); }},
};

}  // namespace

std::span<const Binding> AccessorBindings() {
  return kBindings;
}

// Each subsystem binds the members it implements, next to their code.
const std::vector<Binding>& AllBindings() {
  static const std::vector<Binding> all = [] {
    std::vector<Binding> out;
    for (auto group :
         {AccessorBindings(), LifecycleBindings(), QuerySpecBindings(), TimeRangeBindings(),
          WizardBindings(), InsertBindings(), SyncBindings(), CommandBindings()})
      out.insert(out.end(), group.begin(), group.end());
    return out;
  }();
  return all;
}

std::span<const Binding> Bindings() {
  return AllBindings();
}

BoundCall FindBinding(const Slot& slot) {
  const auto& all = AllBindings();
  auto it = std::find_if(all.begin(), all.end(), [&](const Binding& b) {
    return b.kind == slot.kind && b.name == slot.name;
  });
  return it == all.end() ? nullptr : it->call;
}

}  // namespace velkor::slots
