#include "model/UniqueControlName.h"

#include <algorithm>
#include <cstdint>

#include "model/Globals.h"
#include "platform/Conversions.h"
#include "platform/VbString.h"
#include "platform/host/Application.h"
#include "platform/host/OLEObject.h"
#include "platform/host/OLEObjects.h"
#include "platform/host/Workbook.h"
#include "platform/host/Worksheet.h"
#include "platform/host/Worksheets.h"
#include "support/ErrorHandling.h"

namespace velkor {

namespace {

constexpr std::string_view kOwnProgId = "Velkor.ExcelTrendWizard";
// Under the Russian user interface the code name goes into the name
// without its "_".
constexpr std::string_view kLanguageWithoutUnderscore = "1049";

host::WorksheetPtr ActiveSheetOfActiveBook() {
  return Deref(Deref(gAppExcel).ActiveWorkbook()).ActiveSheet();
}

// The host gives a sheet its code name when the first OLE object arrives, so
// a control of this library's own class is inserted and deleted again.
void ForceCodeName(const host::WorksheetPtr& worksheet) {
  host::WorksheetPtr target = worksheet;
  if (!target) {
    target = ActiveSheetOfActiveBook();
    Deref(target).Select();
  }
  const Variant missing = Variant::Missing();
  host::OLEObjectPtr temporary =
      Deref(Deref(target).OLEObjects()).Add(kOwnProgId, missing, missing, missing, missing);
  Deref(temporary).Delete();
}

// The number that follows the base in `name`, up to the first "_"; 0 when
// there is none. A number part that is no 16-bit integer raises.
std::int32_t NumberAfterBase(const std::string& name, std::string_view base) {
  std::string digits = vb::Mid(name, vb::Len(base) + 1);
  const std::int32_t underscore = vb::InStr(digits, "_");
  if (underscore > 0) digits = vb::Left(digits, underscore - 1);
  return digits.empty() ? 0 : CInt(Variant(digits));
}

// Raises `highest` to the number of each object on `sheet` whose name holds
// both the base and the code name; a failure leaves what was found so far.
void TakeNumbersOn(host::Worksheet& sheet, std::string_view base, const std::string& codeName,
                   std::int32_t& highest) {
  for (const host::OLEObjectPtr& object : Deref(sheet.OLEObjects()).Enumerate()) {
    const std::string name = Deref(object).Name();
    if (vb::InStr(name, codeName) == 0 || vb::InStr(name, base) == 0) continue;
    highest = std::max(highest, NumberAfterBase(name, base));
  }
}

}  // namespace

std::string ComposeUniqueCtlName(std::string_view base, const host::WorksheetPtr& worksheet,
                                 std::string_view languageId) {
  std::int32_t highest = 0;
  std::string codeName;
  RunReported("ComposeUniqueCtlName", [&] {
    // 1. A sheet the host has not yet given a code name.
    if (Deref(ActiveSheetOfActiveBook()).CodeName().empty()) ForceCodeName(worksheet);
    // 2. The code name, for Russian without "_".
    host::WorksheetPtr sheet = ActiveSheetOfActiveBook();
    codeName = Deref(sheet).CodeName();
    if (languageId == kLanguageWithoutUnderscore) codeName = vb::Replace(codeName, "_", "");
    // 3. The highest number in use for this base and code name on any sheet
    // of the workbook: the name is given to objects placed on other sheets
    // too, and lookups search the whole workbook.
    for (const host::WorksheetPtr& each :
         Deref(Deref(Deref(gAppExcel).ActiveWorkbook()).Worksheets()).Enumerate())
      TakeNumbersOn(Deref(each), base, codeName, highest);
  });
  // 4. Composed even after a failure, from what was found so far.
  return std::string(base) + std::to_string(highest + 1) + "_" + codeName;
}

}  // namespace velkor
