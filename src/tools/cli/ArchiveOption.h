// Opening the archive a command's --db names, or the demo archive.
#pragma once

#include <string>

#include "parts/archive/ArchiveStore.h"
#include "platform/Variant.h"

namespace velkor::cli {

// The archive in `db` for reading, or the demo archive generated for `now`
// when `db` is empty. Fails the command with the archive's message.
sim::ArchiveStore OpenArchiveToRead(const std::string& command, const std::string& db,
                                    DateValue now);

}  // namespace velkor::cli
