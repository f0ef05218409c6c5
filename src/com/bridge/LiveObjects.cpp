#include "com/bridge/LiveObjects.h"

#include <atomic>

namespace velkor::com {

namespace {
std::atomic<long> live{0};
}  // namespace

void ObjectCreated() {
  ++live;
}

void ObjectDestroyed() {
  --live;
}

long LiveObjectCount() {
  return live.load();
}

}  // namespace velkor::com
