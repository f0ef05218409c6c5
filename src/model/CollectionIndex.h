// Positions in the published collections: 1-based, no keys.
#pragma once

#include <cstddef>

#include "platform/Variant.h"

namespace velkor {

// The 0-based offset of the position `index` among `count` items. A position
// out of range, or an index that is not a number (the collections hold no
// keys), fails with Invalid procedure call or argument (5).
std::size_t ItemOffset(const Variant& index, std::size_t count);

}  // namespace velkor
