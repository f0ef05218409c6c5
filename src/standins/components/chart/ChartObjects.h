// The small objects the chart hands out: a data source by name, and a trace
// pairing its data source with the data object behind it (the data-object
// library's SimDataObject). Neither keeps the chart alive.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "control/components/ChartTrace.h"
#include "control/components/DataSource.h"

namespace velkor::sim {

class ChartDataSource : public component::DataSource {
 public:
  explicit ChartDataSource(std::string name) : name_(std::move(name)) {}
  std::string TypeName() const override { return "DataSource"; }
  std::string Name() const override { return name_; }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

 private:
  std::string name_;
};

class ChartTraceItem : public component::ChartTrace {
 public:
  ChartTraceItem(component::DataSourcePtr source, component::DataObjectPtr dataObject)
      : source_(std::move(source)), dataObject_(std::move(dataObject)) {}
  std::string TypeName() const override { return "Trace"; }
  component::DataSourcePtr DataSource() override { return source_; }
  component::DataObjectPtr DataObject() override { return dataObject_; }
  // DataSource, DataObject, and Name (the data object's name).
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

 private:
  component::DataSourcePtr source_;
  component::DataObjectPtr dataObject_;
};

}  // namespace velkor::sim
