// SimArchiveData ("ZaltDAArc.ZaltArchiveData"): the stand-in archive data
// control. It holds one specification per (server, tag), named
// "\\server\tag" with server and tag compared ignoring case, and fetches
// their values over one common time range from the thread's archive store
// (see ArchiveSource.h). It feeds the stand-in chart as a DataFeed and keeps
// its state in its container's property bag.
//
// Status is true until a query fails or finds a server or tag the archive
// does not know. With updates enabled and a positive interval (seconds), it
// queries again on every interval of the host's clock.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "control/components/ArchiveDataControl.h"
#include "platform/host/EmbeddedControl.h"
#include "standins/FaultPoints.h"
#include "standins/components/DataControlCore.h"
#include "standins/components/DataFeed.h"
#include "standins/components/archive/ArchiveTimeRange.h"

namespace velkor::sim {

class SimArchiveData : public component::ArchiveDataControl,
                       public host::EmbeddedControl,
                       public DataFeed {
 public:
  static constexpr const char* kProgId = "ZaltDAArc.ZaltArchiveData";
  static constexpr std::int32_t kDefaultUpdateInterval = 60;

  SimArchiveData();
  std::string TypeName() const override { return "ZaltArchiveData"; }

  // component::ArchiveDataControl
  void SetLanguage(const std::string& langId) override { core_.SetLanguage(langId); }
  // Empty server or tag raises Invalid procedure call (5). Non-empty start
  // and end texts become the common time range, saved and in effect.
  ObjectPtr AddQuerySpec(const std::string& server, const std::string& tag,
                         const std::string& startTime, const std::string& endTime, bool markers,
                         const Variant& reserved1, const Variant& reserved2,
                         std::int32_t options) override;
  void RemoveQuerySpec(const std::string& server, const std::string& tag) override;
  component::QueryObjectPtr QueryObject() override {
    ThrowIfArmed("ArchiveData.QueryObject");
    return core_.queryObject;
  }
  void BeginGroupedChange() override { core_.store->BeginGroup(); }
  void EndGroupedChange() override { core_.store->EndGroup(); }
  void Revert() override {
    ThrowIfArmed("ArchiveData.Revert");
    core_.store->Revert();
  }
  // A store that cannot be opened leaves Status false and raises its error.
  ObjectPtr QueryData(const Variant& mode) override;
  void SetTimeRange(bool temporary, const Variant& startTime, const Variant& endTime,
                    const Variant& reserved) override;
  void GetTimeRange(bool temporary, Variant& startTime, Variant& endTime,
                    const Variant& reserved) override;
  bool EnableUpdates() const override {
    ThrowIfArmed("ArchiveData.EnableUpdates");
    return enableUpdates_;
  }
  void SetEnableUpdates(bool enable) override;
  std::int32_t UpdateInterval() const override {
    ThrowIfArmed("ArchiveData.UpdateInterval");
    return updateInterval_;
  }
  void SetUpdateInterval(std::int32_t interval) override;
  bool EnableMarkers() const override {
    ThrowIfArmed("ArchiveData.EnableMarkers");
    return enableMarkers_;
  }
  void SetEnableMarkers(bool enable) override;
  std::string CurrentStartTime() const override { return range_.Get(true).start; }
  std::string CurrentEndTime() const override { return range_.Get(true).end; }
  bool Status() const override { return status_; }

  // Late-bound members; see docs/data-controls.md for the names.
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

  // host::EmbeddedControl
  void SetSite(std::shared_ptr<host::ControlSite> site) override;
  void Initialize() override {}
  void ReadProperties(host::PropertyBag& bag) override;
  void WriteProperties(host::PropertyBag& bag) override;
  void Resize() override {}
  void Show() override {}
  void Terminate() override;

  // DataFeed
  std::vector<FeedSeries> Series() const override;
  std::vector<std::string> SeriesNames() const override;
  bool TimeRangeInEffect(DateValue& start, DateValue& end) const override;

 private:
  void QuerySpecs(std::int32_t mode);
  void MarkAllStale();
  void RestartUpdates();

  DataControlCore core_;
  ArchiveTimeRange range_;
  bool enableUpdates_ = false;
  std::int32_t updateInterval_ = kDefaultUpdateInterval;
  bool enableMarkers_ = false;
  bool status_ = true;
  std::shared_ptr<host::ControlTimer> updateTimer_;
};

}  // namespace velkor::sim
