// The control's own OLE objects (its chart, its data controls and itself),
// looked up by name in the control's own workbook, never in whichever
// workbook happens to be active.
#pragma once

#include <string_view>

#include "model/ObjectByName.h"

namespace velkor {

class ExcelTrendWizard;

// The control's workbook (the active one while it has none), the sheet of
// its chart first.
ObjectScope OwnObjectScope(const ExcelTrendWizard& c);

ObjectPtr GetOwnObject(const ExcelTrendWizard& c, std::string_view name);

// Deletes the OLE object `name` that holds `held`, on whichever sheet of the
// control's workbook it is.
void DeleteOwnObject(const ExcelTrendWizard& c, std::string_view name, const Object* held);

}  // namespace velkor
