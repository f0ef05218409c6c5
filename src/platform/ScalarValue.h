// The plain value a conversion works on: an object stands for its default
// member's value; values that have no scalar form raise their error.
#pragma once

#include "platform/Variant.h"

namespace velkor {

// Returns `v`, or for an object its default value kept in `holder`. Raises
// Object not set (91) for Nothing and Type mismatch (13) for Missing, error
// values, arrays and objects whose default value is itself an object. Null
// passes through: each caller has its own rule for it.
const Variant& ScalarValue(const Variant& v, Variant& holder);

// The number a numeric subtype holds (True is -1, a date its serial).
double NumericValue(const Variant& v);

}  // namespace velkor
