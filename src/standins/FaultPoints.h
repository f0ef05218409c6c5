// FaultPoints: failures a test or scenario arms at named places inside the
// stand-ins, so that the control's handling of a refusing host or a failing
// component can be seen. A stand-in method that is such a place calls
// ThrowIfArmed with its point name first; the control itself knows nothing
// of this. The state is per thread, like the rest of a host session.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace velkor::sim {

// Every point name a stand-in checks ("Worksheets.Add", "OLEObjects.Add", ...).
std::span<const std::string_view> KnownFaultPoints();
bool IsKnownFaultPoint(std::string_view point);

// After `after` calls of `point` that succeed, the next `count` calls raise
// error `error` (a runtime error number or an HRESULT). Arming a point again
// replaces what it had. An unknown point raises Invalid procedure call (5).
void ArmFault(std::string_view point, std::int32_t error, std::int32_t count = 1,
              std::int32_t after = 0);
// Disarms every point of the calling thread.
void ClearFaults();

// From now on counts every call of every point of the calling thread, armed
// or not, for tests that bound how often the control calls a stand-in.
// ClearFaults stops counting and forgets the counts.
void CountFaultPointCalls();
// The calls of `point` counted since CountFaultPointCalls.
std::int64_t FaultPointCalls(std::string_view point);

// Raises the armed error when `point` is due to fail; counts the call either
// way. A failing call leaves the system's last error (errno) at EIO, as a
// failed system call would, so that readers that report it stay repeatable.
void ThrowIfArmed(std::string_view point);

}  // namespace velkor::sim
