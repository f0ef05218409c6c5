// The archive a scenario's stand-in data controls read: the demo archive, a
// database file, or points and values listed in the scenario itself.
#pragma once

#include <filesystem>

#include "platform/Variant.h"
#include "standins/host/VariantJson.h"
#include "tools/scenario/Scenario.h"

namespace velkor::sim::scenario {

// Reads the "archive" key: "demo", a database file path (relative to the
// scenario file) or [{"server", "tag", "values": [[date, number], ...]}].
// Throws FileFormatError at the faulty field.
ArchiveSetup ParseArchiveSetup(const Json& json, const std::string& path);

// Opens the archive and makes it the thread's archive. The demo is generated
// for `now`; a relative file is looked up beside the scenario.
void InstallArchive(const ArchiveSetup& setup, const std::filesystem::path& scenarioFolder,
                    DateValue now);

}  // namespace velkor::sim::scenario
