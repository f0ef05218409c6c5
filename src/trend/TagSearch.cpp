#include "trend/TagSearch.h"

#include "control/ExcelTrendWizard.h"
#include "control/components/ProgIds.h"
#include "model/Servers.h"
#include "model/ZaltPoints.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/os/ObjectFactory.h"
#include "support/ErrorHandling.h"
#include "support/Language.h"
#include "support/MsgBox.h"

namespace velkor {

namespace {

constexpr std::int32_t kWizardTitleText = 50021;  // "Insert Trend Wizard"
constexpr std::int32_t kOkOnly = 0;
constexpr std::int32_t kServerColumn = 0;
constexpr std::int32_t kTagColumn = 1;
constexpr const char* kPointName = "P1";

// Step 1: the dialog is created anew for each search; its answer is a
// two-dimensional array, one row per chosen point.
Variant RunDialog(std::int32_t hwndparent) {
  ObjectPtr dialog = os::CreateObject(component::kTagSearchDialogProgId);
  Variant args[] = {Variant(hwndparent)};
  return Deref(dialog).Invoke(component::kTagSearchShowMethod, InvokeKind::Method, args);
}

// Step 2.
std::shared_ptr<ZaltPoints> PointsOf(const Variant& rows) {
  if (!rows.IsArray()) Raise(err::kTypeMismatch);
  auto points = std::make_shared<ZaltPoints>();
  const SafeArray& array = rows.AsArray();
  for (std::int32_t i = array.LBound(1); i <= array.UBound(1); ++i)
    points->Add(kPointName, CStr(array.at(i, kTagColumn)), CStr(array.at(i, kServerColumn)));
  return points;
}

// The user learns why the search failed; a message box that cannot be shown
// does not hide the report of the failure itself.
void ShowFailure(const VbError& error) {
  TryStep([&] { ShellMsgBox(error.description(), GetString(kWizardTitleText), kOkOnly); });
}

}  // namespace

std::shared_ptr<ZaltPoints> ZaltShowTagSearchDlg(ExcelTrendWizard&, std::int32_t& hwndparent) {
  std::shared_ptr<ZaltPoints> result;
  RunReported(
      "ETW_ZaltShowTagSearchDlg", [&] { result = PointsOf(RunDialog(hwndparent)); },
      [](const VbError& error) {
        ShowFailure(error);
        return false;
      });
  return result;
}

std::shared_ptr<Servers> ZaltGetKnownServers(ExcelTrendWizard&) {
  return nullptr;
}

}  // namespace velkor
