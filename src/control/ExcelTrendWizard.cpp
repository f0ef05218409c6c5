#include "control/ExcelTrendWizard.h"

#include <utility>

#include "control/SlotDispatch.h"
#include "support/MsgBox.h"

namespace velkor {

namespace {

constexpr std::int32_t kReconnectIntervalMs = 5000;

}  // namespace

ExcelTrendWizard::ExcelTrendWizard()
    : gAppExcelEvents([this](host::Application& app) { return ConnectHost(app); }),
      m_objTrend([this](component::TrendChart& c) { return ConnectTrend(c); }),
      m_objExcelDC([this](component::ExcelDataControl& dc) { return ConnectExcelDC(dc); }),
      m_objZaltArcDC([this](component::ArchiveDataControl& dc) { return ConnectZaltArcDC(dc); }) {}

void ExcelTrendWizard::SetSite(std::shared_ptr<host::ControlSite> site) {
  // A timer of a previous site must not tick into this control any more.
  if (Timer1) Timer1->SetEnabled(false);
  site_ = std::move(site);
  Timer1 = site_ ? site_->CreateTimer() : nullptr;
  if (!Timer1) return;
  Timer1->SetInterval(kReconnectIntervalMs);
  // The container may keep the timer after the control is gone.
  Timer1->OnTick = [weak = weak_from_this()] {
    if (auto self = weak.lock()) static_cast<ExcelTrendWizard&>(*self).Timer1_Timer();
  };
}

Variant ExcelTrendWizard::Invoke(std::string_view member, InvokeKind kind,
                                 std::span<Variant> args) {
  return slots::DispatchSlot(*this, member, kind, args);
}

void ExcelTrendWizard::let_TraceInfo(const std::string& New_TraceInfo) {
  TraceInfo = New_TraceInfo;
  if (site_) site_->PropertyChanged("TraceInfo");
}

void ExcelTrendWizard::let_LanguageID(const std::string& sLangID) {
  if (sLangID == LanguageID) return;
  LanguageID = sLangID;
  if (m_objTrend) m_objTrend->SetLanguage(sLangID);
  if (m_objZaltArcDC) m_objZaltArcDC->SetLanguage(sLangID);
  if (m_objExcelDC) m_objExcelDC->SetLanguage(sLangID);
}

void ExcelTrendWizard::let_xTrendTitle(const std::string& vData) {
  m_sPendingTitle = vData;
  m_bTitlePending = true;
}

void ExcelTrendWizard::let_xValueAttributes(bool vData) {
  m_bValueAttributesPending = true;
  m_bValueAttributes = vData;
}

std::int32_t ExcelTrendWizard::ShellMsgBox(const std::string& sPrompt, const std::string& sTitle,
                                           std::int32_t lFlags) {
  return ::velkor::ShellMsgBox(sPrompt, sTitle, lFlags);
}

HRESULT ExcelTrendWizard::GetInterfaceSafetyOptions(const Guid* riid,
                                                    std::uint32_t* pdwSupportedOptions,
                                                    std::uint32_t* pdwEnabledOptions) {
  return basSafeCtl::GetInterfaceSafetyOptions(riid, pdwSupportedOptions, pdwEnabledOptions);
}

HRESULT ExcelTrendWizard::SetInterfaceSafetyOptions(const Guid* riid,
                                                    std::uint32_t dwOptionsSetMask,
                                                    std::uint32_t dwEnabledOptions) {
  return basSafeCtl::SetInterfaceSafetyOptions(riid, dwOptionsSetMask, dwEnabledOptions);
}

}  // namespace velkor
