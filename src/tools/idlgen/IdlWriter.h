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
// declared default or the IDL compiler cannot carry it: widl stores the
// default of a Variant parameter as a value of type VARIANT, which no reader
// can use, and refuses a text default on it, so a Variant is published
// optional without a default (the control applies its declared default when
// the argument is omitted).
std::optional<std::string> IdlDefault(const slots::Param& param);

}  // namespace velkor::idlgen
