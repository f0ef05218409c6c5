// EmbeddedControl: the calls a container makes on a control it embeds, in
// this order: Initialize (creation), ReadProperties when loading a saved
// control, Resize, Show; WriteProperties when saving; Terminate when the
// control is deleted or its workbook closes.
#pragma once

#include <memory>

#include "platform/host/ControlSite.h"
#include "platform/host/PropertyBag.h"

namespace velkor::host {

class EmbeddedControl {
 public:
  virtual ~EmbeddedControl() = default;
  // The site is given before Initialize and stays valid until Terminate.
  virtual void SetSite(std::shared_ptr<ControlSite> site) = 0;
  virtual void Initialize() = 0;
  virtual void ReadProperties(PropertyBag& bag) = 0;
  virtual void WriteProperties(PropertyBag& bag) = 0;
  virtual void Resize() = 0;
  virtual void Show() = 0;
  virtual void Terminate() = 0;
};

}  // namespace velkor::host
