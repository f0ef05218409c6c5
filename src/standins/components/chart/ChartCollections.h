// The chart's collections as handed to callers: live views of the chart's
// data sources and of its shown traces.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "control/components/ChartTraces.h"
#include "control/components/DataSources.h"

namespace velkor::sim {

class SimTrendChart;

class ChartDataSources : public component::DataSources {
 public:
  explicit ChartDataSources(std::shared_ptr<SimTrendChart> chart) : chart_(std::move(chart)) {}
  std::string TypeName() const override { return "DataSources"; }
  component::DataSourcePtr Item(const std::string& name) override;
  // `reserved` is ignored; `connect` false waits for the next Refresh.
  component::DataSourcePtr Add(const std::string& name, const Variant& reserved,
                               bool connect) override;
  // Count; Item(name or 1-based position), Nothing for an unknown name;
  // Add(name[, reserved[, connect = True]]).
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

 private:
  Variant ItemByIndex(const Variant& index);

  std::shared_ptr<SimTrendChart> chart_;
};

class ChartTraceCollection : public component::ChartTraces {
 public:
  explicit ChartTraceCollection(std::shared_ptr<SimTrendChart> chart) : chart_(std::move(chart)) {}
  std::string TypeName() const override { return "Traces"; }
  std::int32_t Count() const override;
  component::ChartTracePtr Item(std::int32_t position) override;
  // The rule for odd order arrays is ReorderRule.h's.
  void Reorder(const Variant& order) override;
  // Count, Item(position), Reorder(order).
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

 private:
  std::shared_ptr<SimTrendChart> chart_;
};

}  // namespace velkor::sim
