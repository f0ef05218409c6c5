// ExcelTrendWizard: the trend control. One instance lives on the worksheet
// that holds its trend and owns everything known about that trend: the names
// of the chart and the data controls on the sheet, the time-range settings,
// the trace-info document, the chart's menu item ids and the live references
// to the chart, the data controls and the host application.
//
// The fields carry the names of the published design and are public: the
// control's operations, spread over the layers, read and write them directly.
// Late-bound callers reach the published members through Invoke, which is
// served by the slot table (Slots.h) and its bindings (SlotBindings.cpp);
// the plain accessors and the Variant-typed text properties are bound there
// straight to the fields.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "control/ControlEnums.h"
#include "control/EventBound.h"
#include "control/HostHold.h"
#include "control/ObjectSafety.h"
#include "control/components/ArchiveDataControl.h"
#include "control/components/ExcelDataControl.h"
#include "control/components/TrendChart.h"
#include "platform/Event.h"
#include "platform/Object.h"
#include "platform/host/Application.h"
#include "platform/host/ControlSite.h"
#include "platform/host/EmbeddedControl.h"
#include "platform/host/HostFwd.h"

namespace velkor {

class ExcelTrendWizard : public Object, public IObjectSafety, public host::EmbeddedControl {
 public:
  ExcelTrendWizard();
  ExcelTrendWizard(const ExcelTrendWizard&) = delete;
  ExcelTrendWizard& operator=(const ExcelTrendWizard&) = delete;

  std::string TypeName() const override { return "ExcelTrendWizard"; }

  // The container's site, given before the control is initialized. The
  // reconnection timer is created from it (interval 5000 ms, not yet
  // enabled); without a site the control has no timer and no container to
  // notify.
  void SetSite(std::shared_ptr<host::ControlSite> site) override;
  const std::shared_ptr<host::ControlSite>& Site() const { return site_; }

  // The container's calls (Lifecycle.cpp, Persistence.cpp).
  void Initialize() override;
  void ReadProperties(host::PropertyBag& bag) override;
  void WriteProperties(host::PropertyBag& bag) override;
  void Resize() override;
  void Show() override;
  void Terminate() override;

  // The reconnection timer (ReconnectTimer.cpp): one tick binds the chart and
  // the data controls again by name; Timer_Connect runs a tick now and
  // answers whether reconnection is complete.
  void Timer1_Timer();
  Variant Timer_Connect();

  // Late-bound call of a published member (see Slots.h and SlotDispatch.h).
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

  // Stores the trace-info document and tells the container that "TraceInfo"
  // changed, on every call, so that the workbook saves it.
  void let_TraceInfo(const std::string& New_TraceInfo);
  // Stores a changed language and hands it to the bound chart, archive data
  // control and worksheet data control, in that order. A failing component
  // ends the call with its error; the value stays stored.
  void let_LanguageID(const std::string& sLangID);
  // Pending values for the next trend insertion; the chart is not touched.
  void let_xTrendTitle(const std::string& vData);
  void let_xValueAttributes(bool vData);
  // The control's message box; returns the pressed button's result.
  std::int32_t ShellMsgBox(const std::string& sPrompt, const std::string& sTitle = "",
                           std::int32_t lFlags = 65);

  // IObjectSafety: the library's module-wide answers.
  HRESULT GetInterfaceSafetyOptions(const Guid* riid, std::uint32_t* pdwSupportedOptions,
                                    std::uint32_t* pdwEnabledOptions) override;
  HRESULT SetInterfaceSafetyOptions(const Guid* riid, std::uint32_t dwOptionsSetMask,
                                    std::uint32_t dwEnabledOptions) override;

  // Events of __ExcelTrendWizard: the data controls' data changes, passed on
  // unchanged (dispatch ids 1 and 2).
  Event<ObjectPtr, Variant> ZaltOnDataChange;
  Event<ObjectPtr, Variant> ExcelOnDataChange;

  // Fields, in declaration order, with their values on a new control.
  std::string WizardControlName;
  std::string TrendName;
  std::string ExcelDcName;
  std::string ZaltArcDCName;
  std::string TrendSheetName;
  bool bExcelDCRemoved = false;
  bool bZaltArcDCRemoved = false;
  bool ExcelDCConnected = false;
  bool ZaltArcDCConnected = false;
  bool m_bWorkbookClosing = false;
  bool bIsExport = false;
  Variant strStartTime{""};
  Variant strEndTime{""};
  std::string strtxtStartTime;
  std::string strtxtEndTime;
  bool tglStartTime = false;
  bool tglEndTime = false;
  bool bFirstSetTime = true;
  std::int32_t m_lMenuFormat = 0;
  std::int32_t m_lMenuDefineTrend = 0;
  std::int32_t m_lMenuTimeRange = 0;
  std::int32_t m_lMenuDeleteTrend = 0;
  std::int32_t m_lMenuExportData = 0;
  std::int32_t m_lMenuMoveResize = 0;
  std::int32_t m_lMenuCopyPaste = 0;
  std::string TraceInfo;
  std::string TrendPosition = "$A$1";
  std::int32_t m_nWizardMode = kzwOpenfromMenuBar;
  std::string m_sPendingTitle;
  bool m_bTitlePending = false;
  bool m_bValueAttributes = true;
  bool m_bValueAttributesPending = false;
  bool StartGroupedChange = false;
  std::string LanguageID;
  host::WorkbookPtr m_objWorkbook;
  // The host application whose workbook and sheet events the control follows.
  EventBound<host::Application> gAppExcelEvents;
  EventBound<component::TrendChart> m_objTrend;
  EventBound<component::ExcelDataControl> m_objExcelDC;
  EventBound<component::ArchiveDataControl> m_objZaltArcDC;
  std::shared_ptr<host::ControlTimer> Timer1;

 private:
  std::vector<Connection> ConnectHost(host::Application& app);
  std::vector<Connection> ConnectTrend(component::TrendChart& chart);
  std::vector<Connection> ConnectExcelDC(component::ExcelDataControl& dc);
  std::vector<Connection> ConnectZaltArcDC(component::ArchiveDataControl& dc);

  void m_objTrend_OnUserDefinedMenuItem(const Variant& ItemId);
  void m_objExcelDC_OnDataChange(ObjectPtr Data, const Variant& Mode);
  void m_objZaltArcDC_OnDataChange(ObjectPtr Data, const Variant& Mode);

  std::shared_ptr<host::ControlSite> site_;
  HostHold hostHold_;
};

}  // namespace velkor
