// Fakes for the time range, the trend options and the lookups: an archive
// data control whose query holds a given number of specifications and which
// records the time range and options it receives, a chart with a property
// set, and a log check for error reports.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "control/components/PropertySet.h"
#include "unit/control/Fakes.h"
#include "unit/trend/QuerySpecFakes.h"

namespace velkor::test {

// Holds what the control set; every call raises `failWith` when that is set.
class OptionArchiveDC : public FakeArchiveDC {
 public:
  struct TimeRangeCall {
    bool temporary = false;
    Variant start, end, reserved;
  };

  component::QueryObjectPtr QueryObject() override { return query; }
  void SetTimeRange(bool temporary, const Variant& start, const Variant& end,
                    const Variant& reserved) override {
    Fail();
    setCalls.push_back({temporary, start, end, reserved});
  }
  void GetTimeRange(bool temporary, Variant& start, Variant& end, const Variant&) override {
    Fail();
    getTemporary.push_back(temporary);
    start = rangeStart;
    end = rangeEnd;
  }
  bool EnableUpdates() const override { return Fail(), updates; }
  void SetEnableUpdates(bool on) override { Fail(), updates = on; }
  std::int32_t UpdateInterval() const override { return Fail(), interval; }
  void SetUpdateInterval(std::int32_t ms) override { Fail(), interval = ms; }
  bool EnableMarkers() const override { return Fail(), markers; }
  void SetEnableMarkers(bool on) override { Fail(), markers = on; }

  void SetSpecCount(std::int32_t n) {
    query->specs->specs.clear();
    for (std::int32_t i = 1; i <= n; ++i) query->specs->Add("\\\\srv\\tag" + std::to_string(i));
  }

  std::shared_ptr<NamedQuery> query = std::make_shared<NamedQuery>();
  std::vector<TimeRangeCall> setCalls;
  std::vector<bool> getTemporary;
  Variant rangeStart{"*-8H"}, rangeEnd{"*"};
  bool updates = false, markers = false;
  std::int32_t interval = 0;
  std::int32_t failWith = 0;

 private:
  void Fail() const {
    if (failWith) throw VbError(failWith);
  }
};

class FakePropertySet : public component::PropertySet {
 public:
  std::string TypeName() const override { return "PropertySet"; }
  std::string Title() const override { return title; }
  void SetTitle(const std::string& t) override { title = t; }
  bool ValueAttributes() const override { return valueAttributes; }
  void SetValueAttributes(bool on) override { valueAttributes = on; }
  std::string title;
  bool valueAttributes = true;
};

// A chart whose property set is a working copy: changes show only after
// ApplyPropertySet. GetPropertySet raises `failWith` when that is set.
class PropertyChart : public FakeChart {
 public:
  component::PropertySetPtr GetPropertySet() override {
    if (failWith) throw VbError(failWith);
    return std::make_shared<FakePropertySet>(applied_);
  }
  void ApplyPropertySet(const component::PropertySetPtr& p) override {
    ++applied;
    applied_ = dynamic_cast<FakePropertySet&>(*p);
  }
  const FakePropertySet& Shown() const { return applied_; }
  std::int32_t failWith = 0;

 private:
  FakePropertySet applied_;
};

// The procedure names of the error reports among `lines`, in order.
inline std::vector<std::string> ReportedIn(const std::vector<std::string>& lines) {
  std::vector<std::string> names;
  for (const auto& line : lines) {
    auto at = line.find(" in ");
    names.push_back(at == std::string::npos ? line : line.substr(at + 4));
  }
  return names;
}

}  // namespace velkor::test
