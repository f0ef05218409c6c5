// IdlWriter: the type library's IDL source, written from the published
// tables, for the IDL compiler to turn into velkor.tlb and velkor_idl.h.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "control/Slots.h"

namespace velkor::idlgen {

void WriteIdl(std::ostream& out);

// The defaultvalue() text of an optional parameter, or nullopt when it has no
// declared default or the IDL compiler cannot carry it: the compiler takes a
// text default only on a String parameter, so a Variant whose default is a
// text is published as optional without one (the control still applies the
// default when the argument is omitted).
std::optional<std::string> IdlDefault(const slots::Param& param);

}  // namespace velkor::idlgen
