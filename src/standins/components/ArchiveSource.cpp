#include "standins/components/ArchiveSource.h"

#include "parts/archive/DemoArchive.h"
#include "parts/archive/DemoArchiveCache.h"
#include "standins/VirtualNow.h"

namespace velkor::sim {

namespace {

thread_local std::shared_ptr<ArchiveStore> tArchive;

// Kept on disk when there is a cache folder: thirty days of samples take a
// moment to generate, and every command of a session would pay for them.
std::shared_ptr<ArchiveStore> OpenDemo() {
  DateValue now = VirtualNow();
  if (auto file = DefaultDemoArchivePath())
    return std::make_shared<ArchiveStore>(OpenCachedDemoArchive(*file, now));
  return std::make_shared<ArchiveStore>(OpenDemoArchive(now));
}

}  // namespace

std::shared_ptr<ArchiveStore> CurrentArchive() {
  if (!tArchive) tArchive = OpenDemo();
  return tArchive;
}

void UseArchive(std::shared_ptr<ArchiveStore> store) {
  tArchive = std::move(store);
}

}  // namespace velkor::sim
