// The archive store that the stand-in archive data controls of the calling
// thread read. A host session (a scenario, a CLI command, a test) chooses it
// once; until then the demo archive is used.
#pragma once

#include <memory>

#include "parts/archive/ArchiveStore.h"

namespace velkor::sim {

// The thread's archive; opens the demo archive on first use when none was set.
std::shared_ptr<ArchiveStore> CurrentArchive();
// Replaces the thread's archive; nullptr goes back to the demo archive.
void UseArchive(std::shared_ptr<ArchiveStore> store);

}  // namespace velkor::sim
