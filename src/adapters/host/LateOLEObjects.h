// The OLE objects of a sheet and one object's frame, over foreign objects.
#pragma once

#include "adapters/LateCollection.h"
#include "platform/host/OLEObject.h"
#include "platform/host/OLEObjects.h"

namespace velkor::adapters {

class LateOLEObjects final : public LateCollection<host::OLEObjects> {
 public:
  using LateCollection::LateCollection;

  host::OLEObjectPtr Add(std::string_view classType, const Variant& left, const Variant& top,
                         const Variant& width, const Variant& height) override;
  std::int32_t Count() const override;
  host::OLEObjectPtr Item(const Variant& index) override;
  std::vector<host::OLEObjectPtr> Enumerate() override;
};

class LateOLEObject final : public Adapted<host::OLEObject> {
 public:
  using Adapted::Adapted;

  std::string Name() const override;
  void SetName(std::string_view name) override;
  std::string ProgID() const override;
  ObjectPtr Object() override;
  void Delete() override;
  double Top() const override;
  void SetTop(double points) override;
  double Left() const override;
  void SetLeft(double points) override;
  double Width() const override;
  void SetWidth(double points) override;
  double Height() const override;
  void SetHeight(double points) override;
  bool Visible() const override;
  void SetVisible(bool visible) override;
  void Activate() override;
  host::WorksheetPtr Parent() override;
};

}  // namespace velkor::adapters
