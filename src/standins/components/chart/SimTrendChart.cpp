#include "standins/components/chart/SimTrendChart.h"

#include <algorithm>

#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"
#include "platform/VbString.h"
#include "platform/host/OLEObject.h"
#include "standins/FaultPoints.h"
#include "standins/components/chart/ChartCollections.h"
#include "standins/components/chart/WorkbookObjects.h"
#include "standins/components/library/SimDataObject.h"

namespace velkor::sim {

void SimTrendChart::SetLanguage(const std::string& langId) {
  language_ = langId;
  MarkDirty("Language");
}

Variant SimTrendChart::AddMenuItem(const std::string& caption) {
  ThrowIfArmed("TrendChart.AddMenuItem");
  return Variant(menu_.Add(caption));
}

component::DataSourcesPtr SimTrendChart::DataSources() {
  ThrowIfArmed("TrendChart.DataSources");
  return std::make_shared<ChartDataSources>(
      std::static_pointer_cast<SimTrendChart>(shared_from_this()));
}

component::ChartTracesPtr SimTrendChart::Traces() {
  ThrowIfArmed("TrendChart.Traces");
  ConnectWaitingSources();
  return std::make_shared<ChartTraceCollection>(
      std::static_pointer_cast<SimTrendChart>(shared_from_this()));
}

void SimTrendChart::Refresh() {
  ThrowIfArmed("TrendChart.Refresh");
  ConnectWaitingSources();
  for (const auto& link : links_)
    if (link.Feed()) MergeSeries(link.Name());
}

component::PropertySetPtr SimTrendChart::GetPropertySet() {
  ThrowIfArmed("TrendChart.GetPropertySet");
  return std::make_shared<ChartPropertySet>(display_);
}

void SimTrendChart::ApplyPropertySet(const component::PropertySetPtr& properties) {
  ThrowIfArmed("TrendChart.ApplyPropertySet");
  display_ = DisplayOf(Deref(properties));
  MarkDirty("PropertySet");
}

void SimTrendChart::ShowFormatDialog(std::int32_t ownerWindow) {
  ++formatDialogShown_;
  formatDialogOwner_ = ownerWindow;
}

void SimTrendChart::ReadProperties(host::PropertyBag& bag) {
  auto state = ReadChartState(bag);
  display_ = state.display;
  language_ = state.language;
  links_.clear();
  for (const auto& name : state.sources)
    if (!FindLink(name)) links_.emplace_back(name);
  traces_.Assign(std::move(state.traces));
  TracesChanged();
}

void SimTrendChart::WriteProperties(host::PropertyBag& bag) {
  WriteChartState(bag, {display_, language_, SourceNames(), traces_.All()});
}

void SimTrendChart::Terminate() {
  links_.clear();
  TracesChanged();
  site_.reset();
}

void SimTrendChart::PickMenuItem(std::int32_t id) {
  const MenuItemView* item = menu_.Find(id);
  if (!enabled_ || !item || !item->enabled) return;
  if (item->userDefined)
    OnUserDefinedMenuItem.Raise(Variant(id));
  else if (id == ChartMenu::kPropertiesId)
    ShowFormatDialog(site_ ? site_->WindowHandle() : 0);
  else if (id == ChartMenu::kRefreshId)
    Refresh();
}

TrendPicture SimTrendChart::Picture() const {
  PictureInputs inputs{display_, language_, ShownTraces(), LiveFeeds()};
  if (auto frame = FindFrameOf(Workbook(), this)) {
    inputs.width = frame->Width();
    inputs.height = frame->Height();
  }
  return BuildPicture(inputs);
}

std::vector<std::string> SimTrendChart::SourceNames() const {
  std::vector<std::string> names;
  for (const auto& link : links_) names.push_back(link.Name());
  return names;
}

component::DataSourcePtr SimTrendChart::FindSource(std::string_view name) const {
  const FeedLink* link = FindLink(name);
  return link ? link->Source() : nullptr;
}

component::DataSourcePtr SimTrendChart::AddSource(const std::string& name, bool connect) {
  if (name.empty()) Raise(err::kInvalidProcedureCall);
  FeedLink* link = FindLink(name);
  if (!link) {
    link = &links_.emplace_back(name);
    TracesChanged();
    MarkDirty("DataSources");
  }
  if (connect) Connect(*link);
  return link->Source();
}

std::vector<bool> SimTrendChart::LiveLinks() const {
  std::vector<bool> live;
  live.reserve(links_.size());
  for (const auto& link : links_) live.push_back(link.Feed() != nullptr);
  return live;
}

const std::vector<TraceKey>& SimTrendChart::ShownTraces() const {
  auto live = LiveLinks();
  if (shown_.version == tracesVersion_ && shown_.live == live) return shown_.traces;
  std::vector<std::string> liveNames;
  for (std::size_t i = 0; i < links_.size(); ++i)
    if (live[i]) liveNames.push_back(links_[i].Name());
  shown_.traces = traces_.Shown([&](const TraceKey& key) {
    return std::any_of(liveNames.begin(), liveNames.end(),
                       [&](const std::string& name) { return vb::EqualsText(name, key.source); });
  });
  shown_.version = tracesVersion_;
  shown_.live = std::move(live);
  return shown_.traces;
}

component::ChartTracePtr SimTrendChart::TraceAt(std::int32_t position) const {
  const auto& shown = ShownTraces();
  if (position < 1 || static_cast<std::size_t>(position) > shown.size())
    Raise(err::kSubscriptOutOfRange);
  const TraceKey& key = shown[static_cast<std::size_t>(position - 1)];
  return std::make_shared<ChartTraceItem>(FindSource(key.source),
                                          std::make_shared<SimDataObject>(key.series));
}

void SimTrendChart::ReorderTraces(std::span<const std::int32_t> entries) {
  traces_.Reorder([this](const TraceKey& key) { return IsShown(key); }, entries);
  TracesChanged();
  MarkDirty("Traces");
}

FeedLink* SimTrendChart::FindLink(std::string_view name) {
  return const_cast<FeedLink*>(std::as_const(*this).FindLink(name));
}

const FeedLink* SimTrendChart::FindLink(std::string_view name) const {
  auto it = std::find_if(links_.begin(), links_.end(),
                         [name](const FeedLink& l) { return vb::EqualsText(l.Name(), name); });
  return it == links_.end() ? nullptr : &*it;
}

ObjectPtr SimTrendChart::Workbook() const {
  return site_ ? site_->Parent() : nullptr;
}

void SimTrendChart::ConnectWaitingSources() {
  for (auto& link : links_) Connect(link);
}

void SimTrendChart::Connect(FeedLink& link) {
  std::string name = link.Name();
  if (link.Connect(Workbook(), [this, name] { MergeSeries(name); })) MergeSeries(name);
}

void SimTrendChart::MergeSeries(const std::string& source) {
  const FeedLink* link = FindLink(source);
  auto feed = link ? link->Feed() : nullptr;
  if (!feed) return;
  traces_.Merge(link->Name(), feed->SeriesNames());
  TracesChanged();
}

bool SimTrendChart::IsShown(const TraceKey& key) const {
  const FeedLink* link = FindLink(key.source);
  return link && link->Feed();
}

std::vector<LiveFeed> SimTrendChart::LiveFeeds() const {
  std::vector<LiveFeed> feeds;
  for (const auto& link : links_)
    if (auto feed = link.Feed()) feeds.push_back({link.Name(), std::move(feed)});
  return feeds;
}

void SimTrendChart::MarkDirty(std::string_view property) {
  if (site_) site_->PropertyChanged(property);
}

}  // namespace velkor::sim
