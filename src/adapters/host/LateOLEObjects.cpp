#include "adapters/host/LateOLEObjects.h"

#include "platform/Conversions.h"
#include "platform/host/HostModel.h"

namespace velkor::adapters {

// The geometry goes as given: a Missing value asks for the host's default.
host::OLEObjectPtr LateOLEObjects::Add(std::string_view classType, const Variant& left,
                                       const Variant& top, const Variant& width,
                                       const Variant& height) {
  return CallAs<host::OLEObject>("Add", classType, left, top, width, height);
}

std::int32_t LateOLEObjects::Count() const {
  return CLng(Get("Count"));
}

host::OLEObjectPtr LateOLEObjects::Item(const Variant& index) {
  return GetAs<host::OLEObject>("Item", index);
}

std::vector<host::OLEObjectPtr> LateOLEObjects::Enumerate() {
  return EnumerateAs<host::OLEObject>();
}

std::string LateOLEObject::Name() const {
  return CStr(Get("Name"));
}

void LateOLEObject::SetName(std::string_view name) {
  Let("Name", name);
}

std::string LateOLEObject::ProgID() const {
  return CStr(Get("progID"));
}

ObjectPtr LateOLEObject::Object() {
  return GetAs<velkor::Object>("Object");
}

void LateOLEObject::Delete() {
  Call("Delete");
}

double LateOLEObject::Top() const {
  return CDbl(Get("Top"));
}

void LateOLEObject::SetTop(double points) {
  Let("Top", points);
}

double LateOLEObject::Left() const {
  return CDbl(Get("Left"));
}

void LateOLEObject::SetLeft(double points) {
  Let("Left", points);
}

double LateOLEObject::Width() const {
  return CDbl(Get("Width"));
}

void LateOLEObject::SetWidth(double points) {
  Let("Width", points);
}

double LateOLEObject::Height() const {
  return CDbl(Get("Height"));
}

void LateOLEObject::SetHeight(double points) {
  Let("Height", points);
}

bool LateOLEObject::Visible() const {
  return CBool(Get("Visible"));
}

void LateOLEObject::SetVisible(bool visible) {
  Let("Visible", visible);
}

void LateOLEObject::Activate() {
  Call("Activate");
}

host::WorksheetPtr LateOLEObject::Parent() {
  return GetAs<host::Worksheet>("Parent");
}

}  // namespace velkor::adapters
