#include "platform/Event.h"

#include <algorithm>

namespace velkor::detail {

void EventSlots::Remove(std::uint64_t id) {
  std::erase_if(slots, [id](const Slot& s) { return s.id == id; });
}

}  // namespace velkor::detail
