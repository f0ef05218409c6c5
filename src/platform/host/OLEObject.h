// OLEObject: the host's frame around an embedded object on a worksheet: its
// name, position, size and visibility, and the automation object inside.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/Object.h"
#include "platform/host/HostFwd.h"

namespace velkor::host {

class OLEObject : public Object {
 public:
  std::string TypeName() const override { return "OLEObject"; }

  virtual std::string Name() const = 0;
  // 1004 for an empty name or one that another object of the sheet has
  // (letter case ignored).
  virtual void SetName(std::string_view name) = 0;
  virtual std::string ProgID() const = 0;
  // The automation object inside the frame.
  virtual ObjectPtr Object() = 0;
  // Removes the object from its sheet. Every member of a deleted object
  // raises 1004.
  virtual void Delete() = 0;

  // Geometry in points; 1004 for a negative width or height.
  virtual double Top() const = 0;
  virtual void SetTop(double points) = 0;
  virtual double Left() const = 0;
  virtual void SetLeft(double points) = 0;
  virtual double Width() const = 0;
  virtual void SetWidth(double points) = 0;
  virtual double Height() const = 0;
  virtual void SetHeight(double points) = 0;

  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  // Gives the object the focus (in-place activation).
  virtual void Activate() = 0;

  virtual WorksheetPtr Parent() = 0;

  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;
};

}  // namespace velkor::host
