// The stand-ins as COM objects. Once ExposeStandInsToCom has run, every
// stand-in object whose type the stand-ins' type library describes
// (standins.idl) crosses to COM as a StandInDispatch: IDispatch over its
// late-bound members, IProvideClassInfo with the class of its type name, and,
// for the application, the chart and the data controls, a connection point
// for their events. A COM client thus sees the stand-in host and components
// as it would see the real ones: by name, with class information and events.
#pragma once

#include <windows.h>

#include <oaidl.h>

namespace velkor::sim {

// Registers the exposer of every class of `library` (the stand-ins' type
// library). Call once per process, before stand-in objects cross to COM.
void ExposeStandInsToCom(ITypeLib* library);

// The stand-ins' type library embedded as resource 1 TYPELIB in the running
// executable; null when it has none. A new reference.
ITypeLib* LoadStandInTypeLib();

}  // namespace velkor::sim
