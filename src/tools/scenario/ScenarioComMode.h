// The runner's COM mode: the control comes from the registered velkor.dll
// and everything between it and the host stand-in, the components and the
// desktop services crosses IDispatch, VARIANT and connection points.
#pragma once

#include <memory>

#include "standins/SimServices.h"

namespace velkor::sim::scenario {

// Prepares the calling thread of a fresh session; the result keeps the COM
// classes served while it lives. Raises when the program cannot run through
// COM (a build for another system, or velkor.dll not registered).
std::shared_ptr<void> EnterComMode(SimServices& services);

}  // namespace velkor::sim::scenario
