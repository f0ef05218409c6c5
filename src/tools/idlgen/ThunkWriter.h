// ThunkWriter: DualThunks.h, one class per dual interface of the library that
// implements every vtable member of the interface by packing its arguments
// (DualPacking.h) and calling the class's one pure CallMember.
#pragma once

#include <ostream>

namespace velkor::idlgen {

void WriteDualThunks(std::ostream& out);

}  // namespace velkor::idlgen
