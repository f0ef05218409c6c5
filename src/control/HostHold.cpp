#include "control/HostHold.h"

namespace velkor {

namespace {
thread_local int tHolders = 0;
}  // namespace

void HostHold::Take() {
  if (held_) return;
  held_ = true;
  ++tHolders;
}

void HostHold::Release() {
  if (!held_) return;
  held_ = false;
  --tHolders;
}

bool HostHold::AnyHeld() {
  return tHolders > 0;
}

}  // namespace velkor
