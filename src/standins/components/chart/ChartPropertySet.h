// ChartPropertySet: the chart's display properties (title and the
// value-attributes switch) as a detached working copy.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "control/components/PropertySet.h"

namespace velkor::sim {

struct ChartDisplay {
  std::string title;
  bool valueAttributes = false;
  friend bool operator==(const ChartDisplay&, const ChartDisplay&) = default;
};

class ChartPropertySet : public component::PropertySet {
 public:
  explicit ChartPropertySet(ChartDisplay display) : display_(std::move(display)) {}

  std::string TypeName() const override { return "PropertySet"; }
  std::string Title() const override { return display_.title; }
  void SetTitle(const std::string& title) override { display_.title = title; }
  bool ValueAttributes() const override { return display_.valueAttributes; }
  void SetValueAttributes(bool visible) override { display_.valueAttributes = visible; }

  // Title and ValueAttributes, read and written.
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

 private:
  ChartDisplay display_;
};

// The display properties any property set holds.
ChartDisplay DisplayOf(const component::PropertySet& properties);

}  // namespace velkor::sim
