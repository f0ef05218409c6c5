#include "standins/components/excel/WorksheetRange.h"

#include "platform/ErrorNumbers.h"
#include "platform/VbString.h"
#include "platform/host/Application.h"
#include "platform/host/OLEObject.h"
#include "platform/host/Workbook.h"
#include "platform/host/Workbooks.h"
#include "platform/host/Worksheet.h"
#include "platform/host/Worksheets.h"
#include "standins/components/chart/WorkbookObjects.h"
#include "standins/host/SheetReference.h"

namespace velkor::sim {

RangeLocation ParseRangeText(std::string_view text, std::string_view defaultSheet) {
  auto parsed = ParseSheetReference(vb::Trim(text));
  if (!parsed || vb::Trim(parsed->address).empty())
    Raise(err::kAppDefined, "ZaltExcelData", "No range: " + std::string(text));
  return {parsed->book.value_or(""), parsed->sheet.value_or(std::string(defaultSheet)),
          vb::Trim(parsed->address)};
}

host::WorksheetPtr FindSheet(const ObjectPtr& ownBook, std::string_view book,
                             std::string_view sheet) {
  auto own = std::dynamic_pointer_cast<host::Workbook>(ownBook);
  host::Workbook& home = Deref(own);
  host::WorkbookPtr target = own;
  if (!book.empty() && book != home.Name())
    target = Deref(home.Application()).Workbooks()->Item(Variant(book));
  return Deref(target).Worksheets()->Item(Variant(sheet));
}

std::string HomeSheetName(const ObjectPtr& ownBook, const Object* control) {
  if (auto frame = FindFrameOf(ownBook, control)) return frame->Parent()->Name();
  auto book = std::dynamic_pointer_cast<host::Workbook>(ownBook);
  auto active = book ? book->ActiveSheet() : nullptr;
  return active ? active->Name() : std::string();
}

}  // namespace velkor::sim
