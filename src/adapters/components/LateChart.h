// The trend chart and its parts over foreign objects: the chart with its
// menu event, its data sources and traces, and its property set.
#pragma once

#include "adapters/LateCollection.h"
#include "adapters/LateObject.h"
#include "control/components/ChartTrace.h"
#include "control/components/ChartTraces.h"
#include "control/components/DataSource.h"
#include "control/components/DataSources.h"
#include "control/components/PropertySet.h"
#include "control/components/TrendChart.h"

namespace velkor::adapters {

class LateTrendChart final : public Adapted<component::TrendChart> {
 public:
  explicit LateTrendChart(ObjectPtr target);

  void SetEnabled(bool enabled) override;
  std::string Language() const override;
  void SetLanguage(const std::string& langId) override;
  Variant AddMenuItem(const std::string& caption) override;
  void DisableMenuItem(std::int32_t itemId) override;
  void EnableMenuItem(std::int32_t itemId) override;
  component::DataSourcesPtr DataSources() override;
  component::ChartTracesPtr Traces() override;
  void Refresh() override;
  component::PropertySetPtr GetPropertySet() override;
  void ApplyPropertySet(const component::PropertySetPtr& properties) override;
  void ShowFormatDialog(std::int32_t ownerWindow) override;

 private:
  void Subscribe();

  EventSubscription subscription_;
};

class LateDataSources final : public Adapted<component::DataSources> {
 public:
  using Adapted::Adapted;
  component::DataSourcePtr Item(const std::string& name) override;
  component::DataSourcePtr Add(const std::string& name, const Variant& reserved,
                               bool connect) override;
};

class LateDataSource final : public Adapted<component::DataSource> {
 public:
  using Adapted::Adapted;
  std::string Name() const override;
};

class LateChartTraces final : public Adapted<component::ChartTraces> {
 public:
  using Adapted::Adapted;
  std::int32_t Count() const override;
  component::ChartTracePtr Item(std::int32_t position) override;
  void Reorder(const Variant& order) override;
};

class LateChartTrace final : public Adapted<component::ChartTrace> {
 public:
  using Adapted::Adapted;
  component::DataSourcePtr DataSource() override;
  component::DataObjectPtr DataObject() override;
};

class LatePropertySet final : public Adapted<component::PropertySet> {
 public:
  using Adapted::Adapted;
  std::string Title() const override;
  void SetTitle(const std::string& title) override;
  bool ValueAttributes() const override;
  void SetValueAttributes(bool visible) override;
};

}  // namespace velkor::adapters
