// VirtualNow: the date and time of the session's virtual clock, which the
// stand-in components read wherever a user would mean "now" ("*" in a time
// text, the end of the demo archive). A session (a scenario, a CLI command,
// a test) sets the date its clock starts at; the host's VirtualClock then
// moves it forward as it advances. Per thread, like the host itself.
#pragma once

#include <memory>

#include "platform/Variant.h"

namespace velkor::sim {

class VirtualClock;

// The start date plus what the followed clock advanced since it was set.
// Until a session sets one, the start is the system's local time at the
// first call on the thread, cut to the whole minute.
DateValue VirtualNow();

// The clock now shows `start`; with `clock`, it advances with that clock.
void SetVirtualNow(DateValue start, std::weak_ptr<const VirtualClock> clock = {});

// Forgets what was set: the next call of VirtualNow starts over.
void ResetVirtualNow();

}  // namespace velkor::sim
