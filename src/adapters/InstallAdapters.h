// Installs the adapters of every host and component interface, so that the
// control can use a foreign object (an outside COM object, or a stand-in
// reached only by name) wherever it expects one of those interfaces. Safe to
// call more than once and from any thread.
#pragma once

namespace velkor::adapters {

void InstallAdapters();

// The two halves, one per folder.
void RegisterHostAdapters();
void RegisterComponentAdapters();

}  // namespace velkor::adapters
