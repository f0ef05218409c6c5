// SimTrendChart: the stand-in trend chart ("ZaltTrend.ZaltTrend.1"). It is
// embedded like any control, draws one trace per series of each data
// control connected to it, carries a context menu, and saves its sources,
// trace order and display settings with the workbook.
//
// Data sources are found by OLE object name on any sheet of the chart's
// workbook when they are added, on Refresh and whenever the traces are
// asked for; a source that is not there yet shows no traces until then.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "control/components/TrendChart.h"
#include "platform/host/EmbeddedControl.h"
#include "standins/components/ChartView.h"
#include "standins/components/chart/ChartMenu.h"
#include "standins/components/chart/ChartPicture.h"
#include "standins/components/chart/ChartState.h"
#include "standins/components/chart/FeedLink.h"

namespace velkor::sim {

class SimTrendChart : public component::TrendChart, public host::EmbeddedControl, public ChartView {
 public:
  std::string TypeName() const override { return "ZaltTrend"; }

  // component::TrendChart
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  std::string Language() const override { return language_; }
  void SetLanguage(const std::string& langId) override;
  Variant AddMenuItem(const std::string& caption) override;
  void DisableMenuItem(std::int32_t itemId) override { menu_.SetEnabled(itemId, false); }
  void EnableMenuItem(std::int32_t itemId) override { menu_.SetEnabled(itemId, true); }
  component::DataSourcesPtr DataSources() override;
  component::ChartTracesPtr Traces() override;
  void Refresh() override;
  component::PropertySetPtr GetPropertySet() override;
  void ApplyPropertySet(const component::PropertySetPtr& properties) override;
  void ShowFormatDialog(std::int32_t ownerWindow) override;

  // Late-bound members; see docs/chart.md for the names.
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

  // host::EmbeddedControl
  void SetSite(std::shared_ptr<host::ControlSite> site) override { site_ = std::move(site); }
  void Initialize() override {}
  void ReadProperties(host::PropertyBag& bag) override;
  void WriteProperties(host::PropertyBag& bag) override;
  void Resize() override {}
  void Show() override {}
  void Terminate() override;

  // ChartView. A disabled chart ignores menu picks, as a greyed-out
  // control ignores the mouse.
  std::vector<MenuItemView> MenuItems() const override { return menu_.Items(); }
  void PickMenuItem(std::int32_t id) override;
  int FormatDialogShown() const override { return formatDialogShown_; }
  std::int32_t FormatDialogOwner() const override { return formatDialogOwner_; }
  TrendPicture Picture() const override;

  // What the collections handed out by DataSources() and Traces() act on.
  bool Enabled() const { return enabled_; }
  ChartDisplay Display() const { return display_; }
  std::vector<std::string> SourceNames() const;
  // nullptr for a name the chart does not know (letter case ignored).
  component::DataSourcePtr FindSource(std::string_view name) const;
  // Adds the source, or returns the one of that name; `connect` false
  // defers the lookup to the next Refresh. An empty name raises 5.
  component::DataSourcePtr AddSource(const std::string& name, bool connect);
  // The shown traces, kept between calls while neither the trace list nor
  // the set of live sources changed, so that Count and Item cost no walk
  // over the traces.
  const std::vector<TraceKey>& ShownTraces() const;
  // The shown trace at a 1-based position; 9 outside 1..count.
  component::ChartTracePtr TraceAt(std::int32_t position) const;
  void ReorderTraces(std::span<const std::int32_t> entries);

 private:
  FeedLink* FindLink(std::string_view name);
  const FeedLink* FindLink(std::string_view name) const;
  ObjectPtr Workbook() const;
  void ConnectWaitingSources();
  void Connect(FeedLink& link);
  void MergeSeries(const std::string& source);
  bool IsShown(const TraceKey& key) const;
  std::vector<LiveFeed> LiveFeeds() const;
  void MarkDirty(std::string_view property);
  std::vector<bool> LiveLinks() const;
  void TracesChanged() { ++tracesVersion_; }

  std::shared_ptr<host::ControlSite> site_;
  bool enabled_ = true;
  std::string language_ = kDefaultChartLanguage;
  ChartDisplay display_;
  ChartMenu menu_;
  std::vector<FeedLink> links_;  // in the order added
  TraceList traces_;
  std::uint64_t tracesVersion_ = 0;  // counts the changes of traces_ and links_
  struct ShownCache {
    std::uint64_t version = ~std::uint64_t{0};
    std::vector<bool> live;  // which links fed when it was taken
    std::vector<TraceKey> traces;
  };
  mutable ShownCache shown_;
  int formatDialogShown_ = 0;
  std::int32_t formatDialogOwner_ = 0;
};

}  // namespace velkor::sim
