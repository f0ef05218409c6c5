// SimQuerySpec: one query specification of a data control: its name, its
// attributes (which also carry what the owning control needs to query it)
// and the values its last query returned.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "control/components/QuerySpec.h"
#include "parts/render/TrendPicture.h"
#include "standins/components/library/QuerySpecAttributeList.h"

namespace velkor::sim {

class SimQuerySpec : public component::QuerySpec {
 public:
  explicit SimQuerySpec(std::string name) : name_(std::move(name)) {}

  std::string TypeName() const override { return "QuerySpec"; }
  std::string Name() const override { return name_; }
  void SetName(const std::string& name) override;
  // Counts the renames of every query specification of the thread, so that an index of
  // them by name can tell when it went stale.
  static std::uint64_t Renames();
  component::SpecAttributesPtr Attributes() override { return attributes_; }

  SimSpecAttributes& Attrs() { return *attributes_; }
  const SimSpecAttributes& Attrs() const { return *attributes_; }
  bool Owns(const component::SpecAttributesPtr& attributes) const {
    return attributes == attributes_;
  }

  // The last query's values; `queried` stays false until a query ran, and
  // `stale` marks a query specification whose source changed since.
  std::vector<TracePoint> points;
  std::string units;  // of the archive point, as the last query found them
  bool queried = false;
  bool stale = false;

  // "Name" (get and let) and "Attributes".
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

 private:
  std::string name_;
  std::shared_ptr<SimSpecAttributes> attributes_ = std::make_shared<SimSpecAttributes>();
};

using SimQuerySpecPtr = std::shared_ptr<SimQuerySpec>;

}  // namespace velkor::sim
