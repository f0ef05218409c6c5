#include "standins/host/SimOLEObject.h"

#include <cmath>
#include <exception>

#include "platform/ErrorNumbers.h"
#include "standins/FaultPoints.h"
#include "standins/host/SimApplication.h"
#include "standins/host/SimControlSite.h"
#include "standins/host/SimWorkbook.h"

namespace velkor::sim {

namespace {
[[noreturn]] void RaiseDeleted(const std::string& name) {
  Raise(err::kAppDefined, name, "The object '" + name + "' has been deleted.");
}
}  // namespace

SimOLEObject::SimOLEObject(std::weak_ptr<SimWorksheet> sheet, std::string progId, std::string name,
                           ObjectPtr object, const ObjectGeometry& geometry,
                           std::int32_t windowHandle)
    : sheet_(std::move(sheet)),
      progId_(std::move(progId)),
      name_(std::move(name)),
      object_(std::move(object)),
      geometry_(geometry),
      windowHandle_(windowHandle) {}

const ObjectGeometry& SimOLEObject::Live() const {
  if (deleted_) RaiseDeleted(name_);
  return geometry_;
}

std::string SimOLEObject::Name() const {
  Live();
  return name_;
}

void SimOLEObject::SetName(std::string_view name) {
  Live();
  auto sheet = Sheet();
  if (name.empty() || (sheet && sheet->IsObjectNameTaken(name, this)))
    Raise(err::kAppDefined, name_, "Cannot rename the object to '" + std::string(name) + "'.");
  if (sheet) sheet->RenamingObject(*this, name);
  name_ = std::string(name);
  MarkDirty();
}

std::string SimOLEObject::ProgID() const {
  Live();
  return progId_;
}

ObjectPtr SimOLEObject::Object() {
  Live();
  return object_;
}

void SimOLEObject::Delete() {
  ThrowIfArmed("OLEObject.Delete");
  Live();
  Shutdown();
}

void SimOLEObject::SetGeometry(double ObjectGeometry::*field, double points, bool isSize) {
  Live();
  if (!std::isfinite(points) || (isSize && points < 0))
    Raise(err::kAppDefined, name_, "Invalid size or position.");
  if (geometry_.*field == points) return;
  geometry_.*field = points;
  MarkDirty();
  if (auto control = Control()) control->Resize();
}

void SimOLEObject::SetTop(double points) {
  SetGeometry(&ObjectGeometry::top, points, false);
}
void SimOLEObject::SetLeft(double points) {
  SetGeometry(&ObjectGeometry::left, points, false);
}
void SimOLEObject::SetWidth(double points) {
  SetGeometry(&ObjectGeometry::width, points, true);
}
void SimOLEObject::SetHeight(double points) {
  SetGeometry(&ObjectGeometry::height, points, true);
}

bool SimOLEObject::Visible() const {
  Live();
  return visible_;
}

void SimOLEObject::SetVisible(bool visible) {
  Live();
  visible_ = visible;
  MarkDirty();
}

void SimOLEObject::Activate() {
  Live();
  ++activateCount_;
}

host::WorksheetPtr SimOLEObject::Parent() {
  Live();
  return Sheet();
}

void SimOLEObject::MarkDirty() const {
  auto sheet = Sheet();
  if (auto book = sheet ? sheet->Book() : nullptr) book->SetDirty(true);
}

namespace {
SimOLEObject::EmbeddingMaker gEmbeddingMaker = nullptr;
}  // namespace

void SimOLEObject::SetEmbeddingMaker(EmbeddingMaker make) {
  gEmbeddingMaker = make;
}

std::shared_ptr<host::EmbeddedControl> SimOLEObject::Control() const {
  if (deleted_) return nullptr;
  if (auto own = std::dynamic_pointer_cast<host::EmbeddedControl>(object_)) return own;
  if (!embeddingAsked_ && gEmbeddingMaker) embedding_ = gEmbeddingMaker(object_);
  embeddingAsked_ = true;
  return embedding_;
}

void SimOLEObject::Embed(const PropertyList* saved) {
  auto control = Control();
  if (!control) {
    if (saved) state_ = *saved;
    return;
  }
  auto sheet = Sheet();
  site_ =
      std::make_shared<SimControlSite>(std::static_pointer_cast<SimOLEObject>(shared_from_this()),
                                       sheet ? sheet->App() : nullptr, windowHandle_);
  control->SetSite(site_);
  control->Initialize();
  if (saved) {
    SimPropertyBag bag(*saved);
    control->ReadProperties(bag);
  }
  control->Resize();
  control->Show();
}

PropertyList SimOLEObject::SaveState() {
  if (auto control = Control()) {
    SimPropertyBag bag;
    control->WriteProperties(bag);
    state_ = bag.Entries();
  }
  return state_;
}

void SimOLEObject::Shutdown() {
  if (deleted_) return;
  auto keep = shared_from_this();
  auto control = Control();
  auto sheet = Sheet();
  if (sheet) sheet->RemoveObject(*this);
  deleted_ = true;
  std::exception_ptr failure;
  try {
    if (control) control->Terminate();
  } catch (...) {
    failure = std::current_exception();
  }
  if (site_) site_->Detach();
  if (auto app = sheet ? sheet->App() : nullptr) app->DeferRelease(std::move(object_));
  object_.reset();
  embedding_.reset();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace velkor::sim
