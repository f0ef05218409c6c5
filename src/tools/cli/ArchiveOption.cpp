#include "tools/cli/ArchiveOption.h"

#include "parts/archive/DemoArchive.h"
#include "parts/archive/DemoArchiveCache.h"
#include "platform/VbError.h"
#include "tools/cli/CliFiles.h"

namespace velkor::cli {

sim::ArchiveStore OpenArchiveToRead(const std::string& command, const std::string& db,
                                    DateValue now) {
  try {
    if (!db.empty()) return sim::ArchiveStore::Open(db, sim::ArchiveAccess::Read);
    if (auto cached = sim::DefaultDemoArchivePath())
      return sim::OpenCachedDemoArchive(*cached, now);
    return sim::OpenDemoArchive(now);
  } catch (const VbError& e) {
    Fail(command, e.description());
  }
}

}  // namespace velkor::cli
