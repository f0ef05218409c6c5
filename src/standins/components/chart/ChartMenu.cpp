#include "standins/components/chart/ChartMenu.h"

#include <algorithm>

#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"

namespace velkor::sim {

ChartMenu::ChartMenu()
    : items_{{kPropertiesId, "Properties...", true, false}, {kRefreshId, "Refresh", true, false}} {}

std::int32_t ChartMenu::Add(const std::string& caption) {
  // Ids must stay positive 32-bit values; running out is reported, never wrapped.
  if (nextUserId_ == INT32_MAX) Raise(err::kOverflow);
  std::int32_t id = nextUserId_++;
  items_.push_back({id, caption, true, true});
  return id;
}

void ChartMenu::SetEnabled(std::int32_t id, bool enabled) {
  for (auto& item : items_)
    if (item.id == id) item.enabled = enabled;
}

const MenuItemView* ChartMenu::Find(std::int32_t id) const {
  auto it = std::find_if(items_.begin(), items_.end(), [id](const auto& i) { return i.id == id; });
  return it == items_.end() ? nullptr : &*it;
}

std::vector<MenuItemView> ChartMenu::UserDefinedItems() const {
  std::vector<MenuItemView> user;
  std::copy_if(items_.begin(), items_.end(), std::back_inserter(user),
               [](const auto& i) { return i.userDefined; });
  return user;
}

}  // namespace velkor::sim
