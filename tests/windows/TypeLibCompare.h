// TypeLibCompare: reads a loaded type library back through ITypeLib and
// ITypeInfo and lists every way in which it differs from the control's
// published tables (members, dispatch ids, kinds, parameter names, types,
// flags and defaults, hidden/non-browsable flags, library identity, events,
// enumerations, the record and the classes). Usable for the built velkor.tlb
// and for the registered library alike.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>
#include <vector>

namespace velkor::com::testing {

// One line per difference ("_ZaltPoints.item: dispatch id 1610809347, expected 0");
// empty when the library matches the tables.
std::vector<std::string> CompareWithSlotTables(ITypeLib* lib);

}  // namespace velkor::com::testing
