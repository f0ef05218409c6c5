// OLEObjects: the OLE objects (controls) placed on one worksheet, in z-order.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Object.h"
#include "platform/host/HostFwd.h"

namespace velkor::host {

class OLEObjects : public Object {
 public:
  std::string TypeName() const override { return "OLEObjects"; }

  // Creates an object of the class registered under `classType` (a ProgID)
  // and places it on the sheet; a Missing geometry value takes the host's
  // default (the active cell's corner, a default size). The new object gets a
  // unique name such as "ExcelTrendWizard1".
  virtual OLEObjectPtr Add(std::string_view classType, const Variant& left, const Variant& top,
                           const Variant& width, const Variant& height) = 0;
  virtual std::int32_t Count() const = 0;
  // By name (letter case ignored) or by 1-based position; 1004 when absent.
  virtual OLEObjectPtr Item(const Variant& index) = 0;
  // The objects in z-order, as a snapshot that deletions do not disturb.
  virtual std::vector<OLEObjectPtr> Enumerate() = 0;

  // Late-bound Add takes (ClassType, Left, Top, Width, Height) positionally.
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;
};

}  // namespace velkor::host
