// Small fakes of the container site and of the outside components, enough to
// watch what the control does to them. Calls that matter to a test are
// recorded in a shared log as "who:what".
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "control/components/ArchiveDataControl.h"
#include "control/components/ExcelDataControl.h"
#include "control/components/TrendChart.h"
#include "platform/VbError.h"
#include "platform/host/ControlSite.h"

namespace velkor::test {

using CallLog = std::vector<std::string>;

class FakeTimer : public host::ControlTimer {
 public:
  bool Enabled() const override { return enabled; }
  void SetEnabled(bool on) override { enabled = on; }
  std::int32_t Interval() const override { return interval; }
  void SetInterval(std::int32_t ms) override { interval = ms; }
  bool enabled = false;
  std::int32_t interval = 0;
};

class FakeSite : public host::ControlSite {
 public:
  bool AmbientUserMode() const override { return true; }
  std::string ExtenderName() const override { return "ExcelTrendWizard1"; }
  ObjectPtr Parent() const override { return nullptr; }
  void PropertyChanged(std::string_view name) override { changed.emplace_back(name); }
  std::int32_t WindowHandle() const override { return 4711; }
  std::shared_ptr<host::ControlTimer> CreateTimer() override {
    timers.push_back(std::make_shared<FakeTimer>());
    return timers.back();
  }
  std::vector<std::string> changed;
  std::vector<std::shared_ptr<FakeTimer>> timers;
};

// Records language changes in `log` and fails them with `languageError`
// when that is set.
struct LanguageProbe {
  LanguageProbe(std::string who, CallLog* log) : who(std::move(who)), log(log) {}
  void Set(const std::string& langId) {
    if (languageError) throw VbError(languageError);
    language = langId;
    if (log) log->push_back(who + ":" + langId);
  }
  std::string who;
  CallLog* log;
  std::string language;
  std::int32_t languageError = 0;
};

class FakeChart : public component::TrendChart {
 public:
  explicit FakeChart(CallLog* log = nullptr) : probe("chart", log) {}
  std::string TypeName() const override { return "ZaltTrend"; }
  void SetEnabled(bool) override {}
  std::string Language() const override { return probe.language; }
  void SetLanguage(const std::string& langId) override { probe.Set(langId); }
  Variant AddMenuItem(const std::string&) override { return std::int32_t{0}; }
  void DisableMenuItem(std::int32_t) override {}
  void EnableMenuItem(std::int32_t) override {}
  component::DataSourcesPtr DataSources() override { return nullptr; }
  component::ChartTracesPtr Traces() override { return nullptr; }
  void Refresh() override {}
  component::PropertySetPtr GetPropertySet() override { return nullptr; }
  void ApplyPropertySet(const component::PropertySetPtr&) override { ++applied; }
  void ShowFormatDialog(std::int32_t) override {}
  LanguageProbe probe;
  int applied = 0;
};

class FakeArchiveDC : public component::ArchiveDataControl {
 public:
  explicit FakeArchiveDC(CallLog* log = nullptr) : probe("archive", log) {}
  std::string TypeName() const override { return "ZaltArchiveData"; }
  void SetLanguage(const std::string& langId) override { probe.Set(langId); }
  ObjectPtr AddQuerySpec(const std::string&, const std::string&, const std::string&,
                         const std::string&, bool, const Variant&, const Variant&,
                         std::int32_t) override {
    return nullptr;
  }
  void RemoveQuerySpec(const std::string&, const std::string&) override {}
  component::QueryObjectPtr QueryObject() override { return nullptr; }
  void BeginGroupedChange() override {}
  void EndGroupedChange() override {}
  void Revert() override {}
  ObjectPtr QueryData(const Variant&) override { return nullptr; }
  void SetTimeRange(bool, const Variant&, const Variant&, const Variant&) override {}
  void GetTimeRange(bool, Variant&, Variant&, const Variant&) override {}
  bool EnableUpdates() const override { return false; }
  void SetEnableUpdates(bool) override {}
  std::int32_t UpdateInterval() const override { return 0; }
  void SetUpdateInterval(std::int32_t) override {}
  bool EnableMarkers() const override { return false; }
  void SetEnableMarkers(bool) override {}
  std::string CurrentStartTime() const override { return "*-8H"; }
  std::string CurrentEndTime() const override { return "*"; }
  bool Status() const override { return false; }
  LanguageProbe probe;
};

class FakeExcelDC : public component::ExcelDataControl {
 public:
  explicit FakeExcelDC(CallLog* log = nullptr) : probe("excel", log) {}
  std::string TypeName() const override { return "ZaltExcelData"; }
  void SetLanguage(const std::string& langId) override { probe.Set(langId); }
  ObjectPtr AddQuerySpecs(const std::string&, const Variant&, const Variant&, const Variant&,
                          const Variant&, const Variant&, const Variant&, bool) override {
    return nullptr;
  }
  void RemoveQuerySpec(const Variant&) override {}
  component::QueryObjectPtr QueryObject() override { return nullptr; }
  void BeginGroupedChange() override {}
  void EndGroupedChange() override {}
  void SetFirstSwitch(bool) override {}
  void SetSecondSwitch(bool) override {}
  ObjectPtr QueryData(const Variant&, bool) override { return nullptr; }
  void RereadSpec(const component::SpecAttributesPtr&) override {}
  component::DataProviderPtr DataProvider() override { return nullptr; }
  LanguageProbe probe;
};

// A data object to pass along with data-change events.
class FakeDataObject : public Object {
 public:
  std::string TypeName() const override { return "DataObject"; }
};

}  // namespace velkor::test
