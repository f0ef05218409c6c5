// Exposers: how the library's published classes go out to COM callers. Each
// class goes out through its own dual interface described by the embedded
// type library, so that early-bound callers can use it; the control goes out
// as its own COM object.
#pragma once

namespace velkor::com {

// Registers the exposers with the bridge; once, when the library loads.
void RegisterExposers();

}  // namespace velkor::com
