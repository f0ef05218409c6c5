// The data-object library's objects over foreign objects: the query object,
// its specifications and their attributes, the data objects, the provider
// and the time converter.
#pragma once

#include "adapters/LateCollection.h"
#include "adapters/LateObject.h"
#include "control/components/DataObject.h"
#include "control/components/DataProvider.h"
#include "control/components/QueryObject.h"
#include "control/components/QuerySpec.h"
#include "control/components/QuerySpecAttribute.h"
#include "control/components/QuerySpecAttributes.h"
#include "control/components/QuerySpecs.h"
#include "control/components/TimeObject.h"

namespace velkor::adapters {

class LateQueryObject final : public Adapted<component::QueryObject> {
 public:
  using Adapted::Adapted;
  component::QuerySpecsPtr QuerySpecs() override;
  void SetDataProvider(const component::DataProviderPtr& provider) override;
};

class LateQuerySpecs final : public LateCollection<component::QuerySpecs> {
 public:
  using LateCollection::LateCollection;
  std::int32_t Count() const override;
  component::QuerySpecPtr Item(const Variant& positionOrName) override;
  void Remove(const std::string& name) override;
  std::vector<component::QuerySpecPtr> Items() const override;
};

class LateQuerySpec final : public Adapted<component::QuerySpec> {
 public:
  using Adapted::Adapted;
  std::string Name() const override;
  void SetName(const std::string& name) override;
  component::SpecAttributesPtr Attributes() override;
};

class LateSpecAttributes final : public Adapted<component::SpecAttributes> {
 public:
  using Adapted::Adapted;
  component::SpecAttributePtr Item(std::int32_t key) override;
  component::SpecAttributePtr Add(std::int32_t key, const std::string& value) override;
};

class LateSpecAttribute final : public Adapted<component::SpecAttribute> {
 public:
  using Adapted::Adapted;
  Variant Value() const override;
};

class LateDataObject final : public Adapted<component::DataObject> {
 public:
  using Adapted::Adapted;
  std::string Name() const override;
};

// The control only hands the provider on; it has no members of its own.
class LateDataProvider final : public Adapted<component::DataProvider> {
 public:
  using Adapted::Adapted;
};

class LateTimeObject final : public Adapted<component::TimeObject> {
 public:
  using Adapted::Adapted;
  void SetText(const std::string& timeText) override;
  double Value() const override;
};

}  // namespace velkor::adapters
