// How a data control saves its query specifications in the property bag:
//   SpecCount, then for query specification i (1-based):
//   Spec<i>Name, Spec<i>AttributeCount, Spec<i>Key<j>, Spec<i>Value<j>
// Attribute values keep their subtype (text, flag, number).
#pragma once

#include <vector>

#include "platform/host/PropertyBag.h"
#include "standins/components/library/QuerySpecObject.h"

namespace velkor::sim {

void WriteSpecs(host::PropertyBag& bag, const std::vector<SimQuerySpecPtr>& specs);
// What WriteSpecs wrote; entries that cannot be read are left out.
std::vector<SimQuerySpecPtr> ReadSpecs(host::PropertyBag& bag);

}  // namespace velkor::sim
