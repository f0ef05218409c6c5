// The host's ConvertFormula for reference texts: one cell or area, with an
// optional leading "=" and an optional sheet prefix ending in "!", converted
// between A1 and R1C1 notation.
#pragma once

#include <cstdint>

#include "platform/Variant.h"

namespace velkor::sim {

// `fromStyle` and `toStyle` are host::kXlA1 or host::kXlR1C1; relative
// references are taken against (baseRow, baseColumn). Returns the converted
// text, or ErrorValue{2015} when the text is no reference in `fromStyle`.
// Raises 1004 for another style number.
Variant ConvertReferenceStyle(const Variant& formula, std::int32_t fromStyle, std::int32_t toStyle,
                              std::int32_t baseRow, std::int32_t baseColumn);

}  // namespace velkor::sim
