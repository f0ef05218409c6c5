// The control's handlers of the chart's and the data controls' events, and
// their connection whenever one of those members is assigned.
#include "control/ExcelTrendWizard.h"

namespace velkor {

namespace {

// The connections of a member whose object raises one event the control handles.
template <class Handler, class... Args>
std::vector<Connection> Only(Event<Args...>& event, Handler handler) {
  std::vector<Connection> connections;
  connections.push_back(event.Connect(std::move(handler)));
  return connections;
}

}  // namespace

std::vector<Connection> ExcelTrendWizard::ConnectTrend(component::TrendChart& chart) {
  return Only(chart.OnUserDefinedMenuItem,
              [this](const Variant& itemId) { m_objTrend_OnUserDefinedMenuItem(itemId); });
}

std::vector<Connection> ExcelTrendWizard::ConnectExcelDC(component::ExcelDataControl& dc) {
  return Only(dc.OnDataChange, [this](ObjectPtr data, const Variant& mode) {
    m_objExcelDC_OnDataChange(std::move(data), mode);
  });
}

std::vector<Connection> ExcelTrendWizard::ConnectZaltArcDC(component::ArchiveDataControl& dc) {
  return Only(dc.OnDataChange, [this](ObjectPtr data, const Variant& mode) {
    m_objZaltArcDC_OnDataChange(std::move(data), mode);
  });
}

void ExcelTrendWizard::m_objExcelDC_OnDataChange(ObjectPtr Data, const Variant& Mode) {
  ExcelOnDataChange.Raise(std::move(Data), Mode);
}

void ExcelTrendWizard::m_objZaltArcDC_OnDataChange(ObjectPtr Data, const Variant& Mode) {
  ZaltOnDataChange.Raise(std::move(Data), Mode);
}

}  // namespace velkor
