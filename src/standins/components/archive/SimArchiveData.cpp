#include "standins/components/archive/SimArchiveData.h"

#include <algorithm>

#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"
#include "platform/VbString.h"
#include "standins/FaultPoints.h"
#include "standins/components/ArchiveSource.h"
#include "standins/components/archive/ArchiveQuery.h"
#include "standins/components/archive/QuerySpecKeys.h"
#include "standins/components/library/BagFields.h"
#include "standins/components/library/DataMode.h"
#include "standins/components/library/QuerySpecList.h"

namespace velkor::sim {

namespace {

std::string SpecName(std::string_view server, std::string_view tag) {
  return "\\\\" + std::string(server) + "\\" + std::string(tag);
}

std::int32_t TimerMilliseconds(std::int32_t seconds) {
  return static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{seconds} * 1000, INT32_MAX));
}

}  // namespace

SimArchiveData::SimArchiveData() : core_(*this) {}

ObjectPtr SimArchiveData::AddQuerySpec(const std::string& server, const std::string& tag,
                                       const std::string& startTime, const std::string& endTime,
                                       bool markers, const Variant&, const Variant&, std::int32_t) {
  ThrowIfArmed("ArchiveData.AddQuerySpec");
  std::string trimmedServer = vb::Trim(server), trimmedTag = vb::Trim(tag);
  if (trimmedServer.empty() || trimmedTag.empty())
    Raise(err::kInvalidProcedureCall, TypeName(), "A query needs a server and a tag");
  std::string name = SpecName(trimmedServer, trimmedTag);
  if (core_.store->Find(name))
    RaiseHResult(err::kDuplicateSpec, TypeName(), "Duplicate query specification " + name);
  if (!startTime.empty() && !endTime.empty())
    SetTimeRange(false, Variant(startTime), Variant(endTime), Variant::Missing());
  auto spec = std::make_shared<SimQuerySpec>(name);
  spec->Attrs().Set(archive_key::kServer, Variant(trimmedServer));
  spec->Attrs().Set(archive_key::kTag, Variant(trimmedTag));
  spec->Attrs().Set(archive_key::kMarkers, Variant(markers));
  core_.store->Add(spec);
  return spec;
}

void SimArchiveData::RemoveQuerySpec(const std::string& server, const std::string& tag) {
  ThrowIfArmed("ArchiveData.RemoveQuerySpec");
  std::string name = SpecName(vb::Trim(server), vb::Trim(tag));
  auto spec = core_.store->Find(name);
  if (!spec) RaiseSpecNotHeld(name);
  core_.store->Remove(spec);
}

ObjectPtr SimArchiveData::QueryData(const Variant& mode) {
  ThrowIfArmed("ArchiveData.QueryData");
  std::int32_t queryMode = data_mode::ModeOf(mode);
  try {
    QuerySpecs(queryMode);
  } catch (...) {
    status_ = false;
    throw;
  }
  return core_.AnnounceData(OnDataChange, queryMode, TypeName());
}

void SimArchiveData::QuerySpecs(std::int32_t mode) {
  TimeRange range = range_.InEffect();
  auto archive = CurrentArchive();
  bool allKnown = true;
  for (const auto& spec : core_.store->Working()) {
    if (mode == data_mode::kChanged && spec->queried && !spec->stale) continue;
    SeriesRead read = ReadSeries(*archive, spec->Attrs().TextOr(archive_key::kServer, ""),
                                 spec->Attrs().TextOr(archive_key::kTag, ""), range);
    spec->points = std::move(read.points);
    spec->units = std::move(read.units);
    spec->queried = true;
    spec->stale = false;
    allKnown = allKnown && read.pointKnown;
  }
  status_ = allKnown;
}

void SimArchiveData::SetTimeRange(bool temporary, const Variant& startTime, const Variant& endTime,
                                  const Variant&) {
  ThrowIfArmed("ArchiveData.SetTimeRange");
  range_.Set(temporary, startTime, endTime);
  MarkAllStale();
  if (!temporary) core_.MarkDirty("TimeRange");
}

void SimArchiveData::GetTimeRange(bool temporary, Variant& startTime, Variant& endTime,
                                  const Variant&) {
  ThrowIfArmed("ArchiveData.GetTimeRange");
  const TimeTexts& texts = range_.Get(temporary);
  startTime = Variant(texts.start);
  endTime = Variant(texts.end);
}

void SimArchiveData::SetEnableUpdates(bool enable) {
  ThrowIfArmed("ArchiveData.SetEnableUpdates");
  enableUpdates_ = enable;
  core_.MarkDirty("EnableUpdates");
  RestartUpdates();
}

void SimArchiveData::SetUpdateInterval(std::int32_t interval) {
  ThrowIfArmed("ArchiveData.SetUpdateInterval");
  if (interval < 0) Raise(err::kInvalidProcedureCall, TypeName(), "Negative update interval");
  updateInterval_ = interval;
  core_.MarkDirty("UpdateInterval");
  RestartUpdates();
}

void SimArchiveData::SetEnableMarkers(bool enable) {
  ThrowIfArmed("ArchiveData.SetEnableMarkers");
  enableMarkers_ = enable;
  core_.MarkDirty("EnableMarkers");
  FeedChanged.Raise();
}

void SimArchiveData::SetSite(std::shared_ptr<host::ControlSite> site) {
  core_.site = std::move(site);
  RestartUpdates();
}

void SimArchiveData::ReadProperties(host::PropertyBag& bag) {
  core_.ReadCommon(bag);
  range_.Load({ReadTextField(bag, "StartTime", kDefaultStartText),
               ReadTextField(bag, "EndTime", kDefaultEndText)});
  enableUpdates_ = ReadFlagField(bag, "EnableUpdates", false);
  updateInterval_ = std::max(0, ReadLongField(bag, "UpdateInterval", kDefaultUpdateInterval));
  enableMarkers_ = ReadFlagField(bag, "EnableMarkers", false);
  status_ = ReadFlagField(bag, "Status", true);
  RestartUpdates();
}

void SimArchiveData::WriteProperties(host::PropertyBag& bag) {
  core_.WriteCommon(bag);
  const TimeTexts& saved = range_.Get(false);
  bag.WriteProperty("StartTime", Variant(saved.start), Variant(kDefaultStartText));
  bag.WriteProperty("EndTime", Variant(saved.end), Variant(kDefaultEndText));
  bag.WriteProperty("EnableUpdates", Variant(enableUpdates_), Variant(false));
  bag.WriteProperty("UpdateInterval", Variant(updateInterval_), Variant(kDefaultUpdateInterval));
  bag.WriteProperty("EnableMarkers", Variant(enableMarkers_), Variant(false));
  bag.WriteProperty("Status", Variant(status_), Variant(true));
}

void SimArchiveData::Terminate() {
  updateTimer_.reset();
  core_.site.reset();
}

std::vector<std::string> SimArchiveData::SeriesNames() const {
  return core_.AppliedNames();
}

std::vector<FeedSeries> SimArchiveData::Series() const {
  std::vector<FeedSeries> series;
  for (const auto& spec : core_.store->Applied()) {
    bool markers = enableMarkers_ || spec->Attrs().FlagOr(archive_key::kMarkers, false);
    series.push_back({spec->Name(), TraceKind::Archive, spec->points, false, markers, spec->units});
  }
  return series;
}

bool SimArchiveData::TimeRangeInEffect(DateValue& start, DateValue& end) const {
  try {
    TimeRange range = range_.InEffect();
    start = range.start;
    end = range.end;
    return true;
  } catch (const VbError&) {
    return false;
  }
}

void SimArchiveData::MarkAllStale() {
  for (const auto& spec : core_.store->Working()) spec->stale = true;
}

void SimArchiveData::RestartUpdates() {
  if (updateTimer_) updateTimer_->SetEnabled(false);
  updateTimer_.reset();
  if (!enableUpdates_ || updateInterval_ <= 0 || !core_.site) return;
  updateTimer_ = core_.site->CreateTimer();
  updateTimer_->OnTick = [this] {
    try {
      QueryData(Variant(data_mode::kAll));
    } catch (const VbError&) {
      // Status already says the query failed; a timer has no one to tell.
    }
  };
  updateTimer_->SetInterval(TimerMilliseconds(updateInterval_));
  updateTimer_->SetEnabled(true);
}

}  // namespace velkor::sim
