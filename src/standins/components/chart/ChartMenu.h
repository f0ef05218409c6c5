// ChartMenu: the chart's context menu. It starts with the chart's own items
// and takes user-defined items added by caption. Ids are unique and never 0:
// the built-in items have small fixed ids, user-defined items count up from
// kFirstUserItemId in the order added. User-defined items live as long as
// the menu; they are not saved.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "standins/components/ChartView.h"

namespace velkor::sim {

class ChartMenu {
 public:
  static constexpr std::int32_t kPropertiesId = 1;
  static constexpr std::int32_t kRefreshId = 2;
  static constexpr std::int32_t kFirstUserItemId = 1001;

  ChartMenu();

  // The new item's id.
  std::int32_t Add(const std::string& caption);
  // Ids the menu does not hold are ignored.
  void SetEnabled(std::int32_t id, bool enabled);

  // nullptr when no item has that id.
  const MenuItemView* Find(std::int32_t id) const;
  const std::vector<MenuItemView>& Items() const { return items_; }
  std::vector<MenuItemView> UserDefinedItems() const;

 private:
  std::vector<MenuItemView> items_;
  std::int32_t nextUserId_ = kFirstUserItemId;
};

}  // namespace velkor::sim
