#include "control/Slots.h"

#include <algorithm>

#include "control/ControlEnums.h"
#include "control/SlotBuilders.h"
#include "platform/VbString.h"

namespace velkor::slots {

namespace {

using namespace build;

constexpr TypeRef kChart{BaseType::Object, "TrendChart"};
constexpr TypeRef kExcelDC{BaseType::Object, "ExcelDataControl"};
constexpr TypeRef kArchiveDC{BaseType::Object, "ArchiveDataControl"};
constexpr TypeRef kQueryObject{BaseType::Object, "QueryObject"};
constexpr TypeRef kDataObject{BaseType::Object, "DataObject"};
constexpr TypeRef kZaltPoints{BaseType::Object, "ZaltPoints"};
constexpr TypeRef kServers{BaseType::Object, "Servers"};
constexpr TypeRef kOpenPram{BaseType::Enum, "OpenPramEnum"};
constexpr TypeRef kDataMode{BaseType::Enum, "DataMode"};

// The runtime's Integer literal 0, the declared default of several Variants.
const Variant kZero{std::int16_t{0}};

std::vector<Slot> BuildSlots() {
  return {
      Get("bExcelDCRemoved", kBoolean, kHidden),
      Let("bExcelDCRemoved", "vNewValue", kBoolean, kHidden),
      Get("bZaltArcDCRemoved", kBoolean, kHidden),
      Let("bZaltArcDCRemoved", "vNewValue", kBoolean, kHidden),
      Get("objTrend", kChart, kHidden),
      Get("objExcelDC", kExcelDC, kHidden),
      Get("objZaltArcDC", kArchiveDC, kHidden),
      Method("ZaltShowTagSearchDlg", {Ref("hwndparent", kLong)}, kZaltPoints),
      Method("ZaltGetKnownServers", {}, kServers),
      Method("ExcelRemoveQuerySpec", {Ref("item", kVariant)}),
      Method("ExcelAddQuerySpecs",
             {Ref("QueryRange", kString), OptRef("FirstRowColHasNames", kVariant, kZero),
              OptRef("RangeIsRowWise", kVariant, kZero), OptRef("Stepped", kVariant, kZero),
              OptRef("RangeIsStatic", kVariant, kZero), OptRef("Filter", kVariant, ""),
              OptRef("TimeZone", kVariant), OptRef("Markers", kVariant, false)}),
      Method("ZaltRemoveQuerySpec", {Ref("item", kVariant)}),
      Method(
          "ZaltAddQuerySpec",
          {Ref("Server", kString), Ref("TagName", kString), OptRef("StartTime", kVariant, "*-8H"),
           OptRef("EndTime", kVariant, "*"), OptRef("Filter", kVariant, ""),
           OptRef("TimeZone", kVariant), OptRef("MarkersOn", kBoolean, false)}),
      Method("ZaltRevert", {}, {}, kHidden),
      Method("ZaltSetTimeRange", {Ref("Temporary", kBoolean), OptRef("StartTime", kVariant),
                                  OptRef("EndTime", kVariant)}),
      Method(
          "ZaltGetTimeRange",
          {Ref("Temporary", kBoolean), OptRef("StartTime", kVariant), OptRef("EndTime", kVariant)},
          {}, kHidden),
      Let("EnableUpdates", "vNewValue", kBoolean),
      Get("EnableUpdates", kBoolean),
      Let("ZaltUpdateInterval", "vNewValue", kLong),
      Get("ZaltUpdateInterval", kLong),
      Get("ZaltQueryObject", kQueryObject),
      Get("ExcelQueryObject", kQueryObject),
      Let("TrendTitle", "vNewValue", kString, kHiddenNonBrowsable),
      Get("TrendTitle", kString, kHiddenNonBrowsable),
      Method("QueryData", {Ref("Mode", kDataMode)}),
      Method("InsertTrend", {OptRef("wsName", kVariant), OptRef("strRange", kString)}),
      Method("ShowWizard", {OptRef("Mode", kOpenPram, std::int32_t{kzwOpenfromMenuBar})}, {},
             kHidden),
      Get("ExcelDcName", kVariant, kHidden),
      Get("ZaltArcDCName", kVariant, kHidden),
      Get("strStartTime", kVariant, kHidden),
      Let("strStartTime", "vNewValue", kVariant, kHidden),
      Get("strEndTime", kVariant, kHidden),
      Let("strEndTime", "vNewValue", kVariant, kHidden),
      Get("tglStartTime", kBoolean, kHidden),
      Let("tglStartTime", "vNewValue", kBoolean, kHidden),
      Get("tglEndTime", kBoolean, kHidden),
      Let("tglEndTime", "vNewValue", kBoolean, kHidden),
      Get("strtxtStartTime", kString, kHidden),
      Let("strtxtStartTime", "vNewValue", kString, kHidden),
      Get("strtxtEndTime", kString, kHidden),
      Let("strtxtEndTime", "vNewValue", kString, kHidden),
      Method("DeleteTrend", {}, {}, kHidden),
      Get("TrendPosition", kVariant, kHidden),
      Let("TrendPosition", "vNewValue", kVariant, kHidden),
      Get("TraceInfo", kString, kHidden),
      Let("TraceInfo", "New_TraceInfo", kString, kHidden),
      Get("WizardControlName", kString, kHidden),
      Let("WizardControlName", "vNewValue", kString, kHidden),
      Get("bFirstSetTime", kBoolean, kHidden),
      Let("bFirstSetTime", "vNewValue", kBoolean, kHidden),
      Get("TrendSheetName", kString, kHidden),
      Let("EnableMarkers", "vNewValue", kBoolean),
      Get("EnableMarkers", kBoolean),
      Get("StartGroupedChange", kBoolean),
      Let("StartGroupedChange", "vNewValue", kBoolean),
      Let("xTrendTitle", "vData", kString, kHiddenNonBrowsable),
      LetRef("objTrend", "oTrend", kChart, kHidden),
      LetRef("objExcelDC", "oExcelDC", kExcelDC, kHidden),
      LetRef("objZaltArcDC", "oZaltArcDC", kArchiveDC, kHidden),
      Get("ZaltArcDCConnected", kBoolean, kHidden),
      Let("ZaltArcDCConnected", "bConnected", kBoolean, kHidden),
      Get("ExcelDCConnected", kBoolean, kHidden),
      Let("ExcelDCConnected", "bConnected", kBoolean, kHidden),
      Get("TrendName", kVariant),
      Let("TrendName", "vNewValue", kVariant),
      Let("ExcelDcName", "vNewValue", kVariant, kHidden),
      Let("ZaltArcDCName", "vNewValue", kVariant, kHidden),
      Method("ReorderTraces", {}),
      Get("bIsExport", kVariant, kHiddenNonBrowsable),
      Let("bIsExport", "vNewValue", kVariant, kHiddenNonBrowsable),
      Method("Timer_Connect", {}, kVariant, kHidden),
      Let("ValueAttributes", "vData", kBoolean, kHidden),
      Get("ValueAttributes", kBoolean, kHidden),
      Let("xValueAttributes", "vData", kBoolean, kHiddenNonBrowsable),
      Get("LanguageID", kString),
      Let("LanguageID", "sLangID", kString),
      Method("ShellMsgBox",
             {In("sPrompt", kString), Opt("sTitle", kString, ""),
              Opt("lFlags", kLong, std::int32_t{65})},
             kLong),
  };
}

std::vector<EventSlot> BuildEvents() {
  return {
      {1, "ZaltOnDataChange", {In("Data", kDataObject), In("Mode", kDataMode)}},
      {2, "ExcelOnDataChange", {In("Data", kDataObject), In("Mode", kDataMode)}},
  };
}

std::vector<EnumInfo> BuildEnums() {
  return {
      {"OpenPramEnum",
       {{"kzwOpenfromMenuBar", kzwOpenfromMenuBar},
        {"kzwOpenfromDefineMenu", kzwOpenfromDefineMenu},
        {"kzwOpenfromSetTimeRangeMenu", kzwOpenfromSetTimeRangeMenu},
        {"kzwOpenfromExportDataMenu", kzwOpenfromExportDataMenu},
        {"kzwOpenfromMove_ResizeMenu", kzwOpenfromMove_ResizeMenu},
        {"kzwOpenfromCopy_PasteMenu", kzwOpenfromCopy_PasteMenu}}},
      {"quereParam",
       {{"kzwServerName", kzwServerName},
        {"kzwServerNameCell", kzwServerNameCell},
        {"kzwTagName", kzwTagName},
        {"kzwTagNameCell", kzwTagNameCell}}},
  };
}

}  // namespace

std::span<const Slot> PublishedSlots() {
  static const std::vector<Slot> slots = BuildSlots();
  return slots;
}

std::span<const EventSlot> PublishedEvents() {
  static const std::vector<EventSlot> events = BuildEvents();
  return events;
}

std::span<const EnumInfo> PublishedEnums() {
  static const std::vector<EnumInfo> enums = BuildEnums();
  return enums;
}

const Slot* FindSlot(std::string_view name, SlotKind kind) {
  auto slots = PublishedSlots();
  auto it = std::find_if(slots.begin(), slots.end(), [&](const Slot& s) {
    return s.kind == kind && vb::EqualsText(s.name, name);
  });
  return it == slots.end() ? nullptr : &*it;
}

bool IsPublished(std::string_view name) {
  auto slots = PublishedSlots();
  return std::any_of(slots.begin(), slots.end(),
                     [&](const Slot& s) { return vb::EqualsText(s.name, name); });
}

std::vector<std::string_view> MemberNamesOf(std::span<const Slot> slots) {
  std::vector<std::string_view> out;
  for (const Slot& s : slots)
    if (std::find(out.begin(), out.end(), s.name) == out.end()) out.push_back(s.name);
  return out;
}

std::int32_t NumberedDispId(std::span<const std::string_view> names, std::string_view name) {
  auto it = std::find_if(names.begin(), names.end(),
                         [&](std::string_view n) { return vb::EqualsText(n, name); });
  if (it == names.end()) return 0;
  return kFirstMemberDispId + static_cast<std::int32_t>(it - names.begin());
}

namespace {

const std::vector<std::string_view>& MemberNames() {
  static const std::vector<std::string_view> names = MemberNamesOf(PublishedSlots());
  return names;
}

}  // namespace

std::int32_t MemberDispId(std::string_view name) {
  return NumberedDispId(MemberNames(), name);
}

std::string_view MemberOfDispId(std::int32_t id) {
  const auto& names = MemberNames();
  auto index = static_cast<std::int64_t>(id) - kFirstMemberDispId;
  if (index < 0 || index >= static_cast<std::int64_t>(names.size())) return {};
  return names[static_cast<std::size_t>(index)];
}

}  // namespace velkor::slots
