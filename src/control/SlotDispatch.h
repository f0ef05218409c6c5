// Late-bound calls of the control's published members: the member is found
// in the slot table, its arguments are converted and completed, and the
// slot's binding runs.
#pragma once

#include <span>
#include <string_view>

#include "platform/Object.h"

namespace velkor {
class ExcelTrendWizard;
}

namespace velkor::slots {

// Calls `member` (letter case ignored) on `control`. As through the
// automation runtime: a function may also be read as a property and a
// property read as a function; an object property may be assigned with Set
// or Let. Raises Object doesn't support this property or method (438) for a
// member not published with that kind or not built yet, and the argument
// errors of SlotArgs. By-reference arguments are written back into `args`,
// also when the member fails.
Variant DispatchSlot(ExcelTrendWizard& control, std::string_view member, InvokeKind kind,
                     std::span<Variant> args);

}  // namespace velkor::slots
