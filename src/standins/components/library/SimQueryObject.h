// SimQueryObject: a data control's query object: its live specification
// collection and the data provider it was last given.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "control/components/DataProvider.h"
#include "control/components/QueryObject.h"
#include "standins/components/library/QuerySpecStore.h"

namespace velkor::sim {

class SimQueryObject : public component::QueryObject {
 public:
  explicit SimQueryObject(std::shared_ptr<SpecStore> store) : store_(std::move(store)) {}

  std::string TypeName() const override { return "QueryObject"; }
  component::QuerySpecsPtr QuerySpecs() override;
  void SetDataProvider(const component::DataProviderPtr& provider) override {
    provider_ = provider;
  }
  const component::DataProviderPtr& Provider() const { return provider_; }

  // "QuerySpecs", "DataProvider" (get, and set or let an object).
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

 private:
  std::shared_ptr<SpecStore> store_;
  component::DataProviderPtr provider_;
};

}  // namespace velkor::sim
