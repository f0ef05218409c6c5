// SimOLEObject: the stand-in host's frame around an object on a sheet. When
// the object is a control (host::EmbeddedControl) the frame is also its
// container: it gives the control its site and makes the container's calls
// in the host's order.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/host/EmbeddedControl.h"
#include "platform/host/OLEObject.h"
#include "standins/host/SimPropertyBag.h"
#include "standins/host/SimWorksheet.h"

namespace velkor::sim {

class SimControlSite;

class SimOLEObject : public host::OLEObject {
 public:
  SimOLEObject(std::weak_ptr<SimWorksheet> sheet, std::string progId, std::string name,
               ObjectPtr object, const ObjectGeometry& geometry, std::int32_t windowHandle);

  // host::OLEObject
  std::string Name() const override;
  void SetName(std::string_view name) override;
  std::string ProgID() const override;
  ObjectPtr Object() override;
  void Delete() override;
  double Top() const override { return Live().top; }
  void SetTop(double points) override;
  double Left() const override { return Live().left; }
  void SetLeft(double points) override;
  double Width() const override { return Live().width; }
  void SetWidth(double points) override;
  double Height() const override { return Live().height; }
  void SetHeight(double points) override;
  bool Visible() const override;
  void SetVisible(bool visible) override;
  void Activate() override;
  host::WorksheetPtr Parent() override;

  // The container's side.
  // Runs SetSite, Initialize, ReadProperties (when `saved` is given), Resize
  // and Show on a control; keeps `saved` as the state of any other object.
  void Embed(const PropertyList* saved);
  // Asks a control to write its properties (WriteProperties) and returns the
  // persisted state: the control's bag, or the state another object was
  // loaded with.
  PropertyList SaveState();
  // Terminates a control and lets go of the object; the frame counts as
  // deleted from then on. Releasing waits until no call of the host is on
  // the stack (SimApplication::DeferRelease).
  void Shutdown();

  bool IsDeleted() const { return deleted_; }
  // The name, also after deletion.
  const std::string& RawName() const { return name_; }
  std::shared_ptr<host::EmbeddedControl> Control() const;

  // How a frame embeds an object that is not one of this program's controls
  // but may be a control all the same (one of another module, reached through
  // COM); nullptr: not a control. Set once, before objects are added.
  using EmbeddingMaker = std::shared_ptr<host::EmbeddedControl> (*)(const ObjectPtr& object);
  static void SetEmbeddingMaker(EmbeddingMaker make);
  std::shared_ptr<SimControlSite> Site() const { return site_; }
  std::int32_t WindowHandle() const { return windowHandle_; }
  std::int32_t ActivateCount() const { return activateCount_; }
  std::shared_ptr<SimWorksheet> Sheet() const { return sheet_.lock(); }
  const ObjectGeometry& Geometry() const { return Live(); }

 private:
  const ObjectGeometry& Live() const;  // 1004 once deleted
  void SetGeometry(double ObjectGeometry::*field, double points, bool isSize);
  void MarkDirty() const;

  std::weak_ptr<SimWorksheet> sheet_;
  mutable std::shared_ptr<host::EmbeddedControl> embedding_;  // from the embedding maker
  mutable bool embeddingAsked_ = false;
  std::string progId_;
  std::string name_;
  ObjectPtr object_;
  ObjectGeometry geometry_;
  std::int32_t windowHandle_;
  std::shared_ptr<SimControlSite> site_;
  PropertyList state_;
  bool visible_ = true;
  bool deleted_ = false;
  std::int32_t activateCount_ = 0;
};

}  // namespace velkor::sim
