#include "trend/QuerySpecs.h"

#include "control/ExcelTrendWizard.h"
#include "control/components/QueryObject.h"
#include "control/components/QuerySpec.h"
#include "control/components/QuerySpecs.h"
#include "model/Globals.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbString.h"
#include "platform/host/Application.h"
#include "platform/host/HostConstants.h"
#include "platform/os/MessageBox.h"
#include "support/ErrorHandling.h"
#include "support/Language.h"
#include "support/MsgBox.h"
#include "trend/DataControls.h"

namespace velkor {

namespace {

constexpr std::int32_t kTextDuplicatedTraceNames = 50000;
constexpr std::int32_t kTextInsertTrendWizard = 50021;

// An archive specification is named "\\" + server + "\" + tag.
struct ArchiveTraceName {
  std::string server;
  std::string tag;
};

// Raises Invalid procedure call for a name without the "\" after the server.
ArchiveTraceName SplitArchiveTraceName(const std::string& name) {
  const std::int32_t separator = vb::InStr(3, name, "\\");
  return {vb::Mid(name, 3, separator - 3), vb::Mid(name, separator + 1)};
}

// A failed add may have left the busy pointer up; the user gets the normal
// one back whatever happens next.
void ResetMousePointer() {
  TryStep([] { Deref(gAppExcel).SetScreenMousePointer(host::kMousePointerDefault); });
}

// The duplicate-name code becomes a message to the user and is then raised
// to the caller; every other error is left to the reporter.
bool ShowAndRaiseDuplicate(const ExcelTrendWizard& c, const VbError& error) {
  ResetMousePointer();
  if (error.number() != err::kDuplicateSpec) return false;
  LoadLanguage(c.LanguageID);
  const std::string text = GetString(kTextDuplicatedTraceNames);
  ShellMsgBox(text, GetString(kTextInsertTrendWizard), os::kMbOk | os::kMbIconExclamation);
  RaiseHResult(err::kDuplicateSpec, "ZaltAddQuerySpec", text);
}

}  // namespace

void ExcelAddQuerySpecs(ExcelTrendWizard& c, std::string& QueryRange,
                        const Variant& FirstRowColHasNames, const Variant& RangeIsRowWise,
                        const Variant& Stepped, const Variant& RangeIsStatic,
                        const Variant& /*Filter*/, const Variant& /*TimeZone*/,
                        const Variant& Markers) {
  RunReported(" ETW_ExcelAddQuerySpecs", [&] {
    // 1.
    EnsureExcelDataControl(c, DataControlView::Shown);
    // 2.
    if (!c.m_objExcelDC) return;
    if (c.StartGroupedChange) c.m_objExcelDC->BeginGroupedChange();
    c.m_objExcelDC->AddQuerySpecs(QueryRange, FirstRowColHasNames, RangeIsRowWise, Stepped,
                                  RangeIsStatic, Markers, Variant::Missing(), false);
  });
}

void ExcelRemoveQuerySpec(ExcelTrendWizard& c, const Variant& item) {
  RunReported("ETW_ExcelRemoveQuerySpec", [&] {
    if (!c.m_objExcelDC) return;
    if (c.StartGroupedChange) c.m_objExcelDC->BeginGroupedChange();
    c.m_objExcelDC->RemoveQuerySpec(item);
  });
}

void ZaltAddQuerySpec(ExcelTrendWizard& c, std::string& Server, std::string& TagName,
                      const Variant& /*StartTime*/, const Variant& /*EndTime*/,
                      const Variant& /*Filter*/, const Variant& /*TimeZone*/, bool MarkersOn) {
  RunReported(
      " ETW_ZaltAddQuerySpec",
      [&] {
        // 1.
        EnsureArchiveDataControl(c, DataControlView::Shown);
        // 2. A new trace always takes the data control's current time range.
        if (!c.m_objZaltArcDC) return;
        component::ArchiveDataControl& dc = *c.m_objZaltArcDC.get();
        if (c.StartGroupedChange) dc.BeginGroupedChange();
        Server = vb::Trim(Server);
        TagName = vb::Trim(TagName);
        const std::string startTime = dc.CurrentStartTime();
        const std::string endTime = dc.CurrentEndTime();
        dc.AddQuerySpec(Server, TagName, startTime, endTime, MarkersOn, Variant::Missing(),
                        Variant::Missing(), 0);
      },
      [&](const VbError& error) { return ShowAndRaiseDuplicate(c, error); });
}

void ZaltRemoveQuerySpec(ExcelTrendWizard& c, const Variant& item) {
  RunReported(
      " ZaltRemoveQuerySpec",
      [&] {
        if (!c.m_objZaltArcDC) return;
        component::ArchiveDataControl& dc = *c.m_objZaltArcDC.get();
        // 1.
        if (c.StartGroupedChange) dc.BeginGroupedChange();
        // 2. and 3.
        const component::QuerySpecsPtr specs = Deref(dc.QueryObject()).QuerySpecs();
        const ArchiveTraceName trace = SplitArchiveTraceName(Deref(Deref(specs).Item(item)).Name());
        // 4.
        dc.RemoveQuerySpec(trace.server, trace.tag);
      },
      [](const VbError& error) { return error.number() == err::kSpecNotHeld; });
}

void ZaltRevert(ExcelTrendWizard& c) {
  RunReported(" ETW_ZaltRevert", [&] {
    if (c.m_objZaltArcDC) c.m_objZaltArcDC->Revert();
  });
}

component::QueryObjectPtr ZaltQueryObject(ExcelTrendWizard& c) {
  component::QueryObjectPtr result;
  RunReported("Property Get ZaltQueryObject", [&] {
    EnsureArchiveDataControl(c, DataControlView::Hidden);
    if (c.m_objZaltArcDC) result = c.m_objZaltArcDC->QueryObject();
  });
  return result;
}

component::QueryObjectPtr ExcelQueryObject(ExcelTrendWizard& c) {
  component::QueryObjectPtr result;
  RunReported("Property Get ExcelQueryObject", [&] {
    EnsureExcelDataControl(c, DataControlView::Hidden);
    result = Deref(c.m_objExcelDC.get()).QueryObject();
  });
  return result;
}

void QueryData(ExcelTrendWizard& c, std::int32_t Mode) {
  RunReported("QueryData", [&] {
    const Variant mode(Mode);
    if (c.m_objZaltArcDC) c.m_objZaltArcDC->QueryData(mode);
    if (c.m_objExcelDC) c.m_objExcelDC->QueryData(mode, true);
  });
}

}  // namespace velkor
