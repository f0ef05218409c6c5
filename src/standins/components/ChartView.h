// ChartView: what the stand-in chart shows a user or a scenario beyond its
// component interface: its menu as drawn, the format dialog's use, picking a
// menu item, and a frozen picture for the renderer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "parts/render/TrendPicture.h"

namespace velkor::sim {

struct MenuItemView {
  std::int32_t id = 0;
  std::string caption;
  bool enabled = true;
  bool userDefined = false;  // added through AddMenuItem
};

class ChartView {
 public:
  virtual ~ChartView() = default;

  // The built-in items first, then the user-defined ones in the order added.
  virtual std::vector<MenuItemView> MenuItems() const = 0;
  // Picks an item as the user would: a user-defined item raises
  // OnUserDefinedMenuItem with its id; a disabled item does nothing.
  virtual void PickMenuItem(std::int32_t id) = 0;
  // How often the format dialog was shown, and the owner window it last got.
  virtual int FormatDialogShown() const = 0;
  virtual std::int32_t FormatDialogOwner() const = 0;
  // The trend as it stands now (the data last queried by the data sources),
  // sized like the chart's OLE object.
  virtual TrendPicture Picture() const = 0;
};

}  // namespace velkor::sim
