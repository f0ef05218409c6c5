// A demo archive kept in a file between runs, so that tools started again
// and again with the same end time do not regenerate it each time.
#pragma once

#include <filesystem>
#include <optional>

#include "parts/archive/ArchiveStore.h"
#include "platform/Variant.h"

namespace velkor::sim {

// $XDG_CACHE_HOME/velkor/demo-archive.db, or ~/.cache/velkor/demo-archive.db
// when XDG_CACHE_HOME is unset or not absolute; nullopt without either.
std::optional<std::filesystem::path> DefaultDemoArchivePath();

// The demo archive for `now`, opened for reading from `file`. A missing or
// damaged file, or one generated for another end time or by another version
// of the generator, is generated anew and replaced whole. When the file
// cannot be written, the demo is generated in memory instead.
ArchiveStore OpenCachedDemoArchive(const std::filesystem::path& file, DateValue now);

}  // namespace velkor::sim
