#include "trend/DataControls.h"

#include <memory>
#include <string>

#include "control/ExcelTrendWizard.h"
#include "control/components/ProgIds.h"
#include "model/Globals.h"
#include "model/UniqueControlName.h"
#include "platform/ErrorNumbers.h"
#include "platform/host/Application.h"
#include "platform/host/OLEObject.h"
#include "platform/host/OLEObjects.h"
#include "platform/host/Range.h"
#include "platform/host/Workbook.h"
#include "platform/host/Worksheet.h"
#include "support/ErrorHandling.h"

namespace velkor {

namespace {

constexpr double kDataControlSize = 300.0;  // points

// The automation object inside `frame` as the component interface T; an
// object of another kind is a type mismatch, as assigning it to a typed
// member would be.
template <class T>
std::shared_ptr<T> InnerObjectAs(host::OLEObject& frame) {
  auto inner = ObjectCast<T>(frame.Object());
  if (!inner) Raise(err::kTypeMismatch);
  return inner;
}

// How both creations begin: the unique name, the OLE object at the active
// cell, hidden when asked, and the member bound to the data control inside.
struct PlacedControl {
  host::OLEObjectPtr frame;
  std::string name;
};

template <class T>
PlacedControl Place(EventBound<T>& member, std::string_view base, std::string_view classId,
                    const std::string& languageId, DataControlView view) {
  PlacedControl placed{nullptr, ComposeUniqueCtlName(base, nullptr, languageId)};
  placed.frame = InsertControl(classId);
  host::OLEObject& frame = Deref(placed.frame);
  if (view == DataControlView::Hidden) frame.SetVisible(false);
  member.Assign(InnerObjectAs<T>(frame));
  return placed;
}

// The name the host accepted is the one the control remembers.
void NameFrame(const PlacedControl& placed, std::string& nameField) {
  placed.frame->SetName(placed.name);
  nameField = placed.frame->Name();
}

}  // namespace

host::OLEObjectPtr InsertControl(std::string_view classId) {
  host::OLEObjectPtr frame;
  RunReported("InsertControl", [&] {
    host::Application& app = Deref(gAppExcel);
    host::WorksheetPtr sheet = Deref(app.ActiveWorkbook()).ActiveSheet();
    Deref(sheet).Select();
    const host::RangePtr cell = app.ActiveCell();
    frame = Deref(sheet->OLEObjects())
                .Add(classId, Variant(Deref(cell).Left()), Variant(cell->Top()),
                     Variant(kDataControlSize), Variant(kDataControlSize));
  });
  return frame;
}

void EnsureExcelDataControl(ExcelTrendWizard& c, DataControlView view) {
  if (c.m_objExcelDC) return;
  // 1. to 4.
  const PlacedControl placed =
      Place(c.m_objExcelDC, "ZaltExcelData", component::kExcelDataProgId, c.LanguageID, view);
  // 5.
  NameFrame(placed, c.ExcelDcName);
  // 6.
  c.m_objExcelDC->SetFirstSwitch(true);
  c.m_objExcelDC->SetSecondSwitch(true);
  // 7.
  if (!c.LanguageID.empty()) c.m_objExcelDC->SetLanguage(c.LanguageID);
}

void EnsureArchiveDataControl(ExcelTrendWizard& c, DataControlView view) {
  if (c.m_objZaltArcDC) return;
  // 1. to 4.
  const PlacedControl placed =
      Place(c.m_objZaltArcDC, "ZaltArchiveData", component::kArchiveDataProgId, c.LanguageID, view);
  // 5.
  if (!c.LanguageID.empty()) c.m_objZaltArcDC->SetLanguage(c.LanguageID);
  // 6.
  NameFrame(placed, c.ZaltArcDCName);
}

}  // namespace velkor
