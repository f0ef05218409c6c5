#include "model/WorkbookIndex.h"

#include "model/Globals.h"
#include "platform/Conversions.h"
#include "platform/VbString.h"
#include "platform/host/Application.h"
#include "platform/host/Workbook.h"
#include "platform/host/Workbooks.h"

namespace velkor {

std::int16_t GetWorkbookIndex(std::string& name) {
  name = vb::Trim(name);
  if (!gAppExcel) return kWorkbookNotOpen;
  const host::WorkbooksPtr books = gAppExcel->Workbooks();
  const std::int32_t count = Deref(books).Count();
  for (std::int32_t i = 1; i <= count; ++i) {
    if (vb::EqualsText(Deref(books->Item(Variant(i))).Name(), name)) return CInt(Variant(i));
  }
  return kWorkbookNotOpen;
}

}  // namespace velkor
