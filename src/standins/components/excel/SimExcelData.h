// SimExcelData ("ZaltDAXL.ZaltExcelData"): the stand-in worksheet data
// control. Each specification reads one trace of a range of cells (see
// RangeTraces.h) through the host's object model; the range may lie on any
// sheet of any open workbook. It feeds the stand-in chart as a DataFeed and
// keeps its specifications in its container's property bag; values are read
// again after loading.
//
// The two switches:
//   first  (read on add): adding specifications reads their cells at once
//          instead of at the next QueryData;
//   second (follow edits): a re-read request reads the cells at once and
//          tells the chart, instead of waiting for the next QueryData.
// Both start off. A static range is read when its specification is added
// and then only when a re-read is asked for explicitly.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "control/components/ExcelDataControl.h"
#include "platform/host/EmbeddedControl.h"
#include "standins/FaultPoints.h"
#include "standins/components/DataControlCore.h"
#include "standins/components/DataFeed.h"
#include "standins/components/excel/RangeTraces.h"

namespace velkor::sim {

// The options of one AddQuerySpecs call.
struct RangeOptions {
  RangeShape shape;
  bool stepped = false;
  bool isStatic = false;
  bool markers = false;
};

class SimExcelData : public component::ExcelDataControl,
                     public host::EmbeddedControl,
                     public DataFeed {
 public:
  static constexpr const char* kProgId = "ZaltDAXL.ZaltExcelData";

  SimExcelData();
  std::string TypeName() const override { return "ZaltExcelData"; }

  // component::ExcelDataControl
  void SetLanguage(const std::string& langId) override { core_.SetLanguage(langId); }
  // Raises 1004 for a range text that names no cells and Invalid procedure
  // call (5) for a range without a value column (row); nothing is added then.
  ObjectPtr AddQuerySpecs(const std::string& queryRange, const Variant& firstRowColHasNames,
                          const Variant& rangeIsRowWise, const Variant& stepped,
                          const Variant& rangeIsStatic, const Variant& markers,
                          const Variant& reserved, bool option) override;
  // kSpecNotHeld (0x8004F001) for an unknown name; 9 for a bad position.
  void RemoveQuerySpec(const Variant& item) override;
  component::QueryObjectPtr QueryObject() override {
    ThrowIfArmed("ExcelData.QueryObject");
    return core_.queryObject;
  }
  void BeginGroupedChange() override { core_.store->BeginGroup(); }
  void EndGroupedChange() override { core_.store->EndGroup(); }
  void SetFirstSwitch(bool on) override { readOnAdd_ = on; }
  void SetSecondSwitch(bool on) override { followEdits_ = on; }
  ObjectPtr QueryData(const Variant& mode, bool option) override;
  // kSpecNotHeld when no specification owns `attributes`.
  void RereadSpec(const component::SpecAttributesPtr& attributes) override;
  component::DataProviderPtr DataProvider() override;

  bool FirstSwitch() const { return readOnAdd_; }
  bool SecondSwitch() const { return followEdits_; }

  // Late-bound members; see docs/data-controls.md for the names.
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

  // host::EmbeddedControl
  void SetSite(std::shared_ptr<host::ControlSite> site) override { core_.site = std::move(site); }
  void Initialize() override {}
  void ReadProperties(host::PropertyBag& bag) override;
  void WriteProperties(host::PropertyBag& bag) override;
  void Resize() override {}
  void Show() override {}
  void Terminate() override { core_.site.reset(); }

  // DataFeed
  std::vector<FeedSeries> Series() const override;
  std::vector<std::string> SeriesNames() const override;
  bool TimeRangeInEffect(DateValue&, DateValue&) const override { return false; }

 private:
  std::vector<SimQuerySpecPtr> SpecsOfRange(const std::string& queryRange,
                                            const RangeOptions& options);
  // Reads the cells of the query specification `spec`; a range that cannot be found gives no
  // values.
  void ReadSpec(SimQuerySpec& spec) const;
  bool NeedsRead(const SimQuerySpec& spec, std::int32_t mode) const;

  DataControlCore core_;
  bool readOnAdd_ = false;
  bool followEdits_ = false;
};

}  // namespace velkor::sim
