// The worksheet and archive data controls over foreign objects, each with
// its data-change event.
#pragma once

#include "adapters/LateObject.h"
#include "control/components/ArchiveDataControl.h"
#include "control/components/ExcelDataControl.h"

namespace velkor::adapters {

class LateExcelDataControl final : public Adapted<component::ExcelDataControl> {
 public:
  explicit LateExcelDataControl(ObjectPtr target);

  void SetLanguage(const std::string& langId) override;
  ObjectPtr AddQuerySpecs(const std::string& queryRange, const Variant& firstRowColHasNames,
                          const Variant& rangeIsRowWise, const Variant& stepped,
                          const Variant& rangeIsStatic, const Variant& markers,
                          const Variant& reserved, bool option) override;
  void RemoveQuerySpec(const Variant& item) override;
  component::QueryObjectPtr QueryObject() override;
  void BeginGroupedChange() override;
  void EndGroupedChange() override;
  void SetFirstSwitch(bool on) override;
  void SetSecondSwitch(bool on) override;
  ObjectPtr QueryData(const Variant& mode, bool option) override;
  void RereadSpec(const component::SpecAttributesPtr& attributes) override;
  component::DataProviderPtr DataProvider() override;

 private:
  EventSubscription subscription_;
};

class LateArchiveDataControl final : public Adapted<component::ArchiveDataControl> {
 public:
  explicit LateArchiveDataControl(ObjectPtr target);

  void SetLanguage(const std::string& langId) override;
  ObjectPtr AddQuerySpec(const std::string& server, const std::string& tag,
                         const std::string& startTime, const std::string& endTime, bool markers,
                         const Variant& reserved1, const Variant& reserved2,
                         std::int32_t options) override;
  void RemoveQuerySpec(const std::string& server, const std::string& tag) override;
  component::QueryObjectPtr QueryObject() override;
  void BeginGroupedChange() override;
  void EndGroupedChange() override;
  void Revert() override;
  ObjectPtr QueryData(const Variant& mode) override;
  void SetTimeRange(bool temporary, const Variant& startTime, const Variant& endTime,
                    const Variant& reserved) override;
  void GetTimeRange(bool temporary, Variant& startTime, Variant& endTime,
                    const Variant& reserved) override;
  bool EnableUpdates() const override;
  void SetEnableUpdates(bool enable) override;
  std::int32_t UpdateInterval() const override;
  void SetUpdateInterval(std::int32_t interval) override;
  bool EnableMarkers() const override;
  void SetEnableMarkers(bool enable) override;
  std::string CurrentStartTime() const override;
  std::string CurrentEndTime() const override;
  bool Status() const override;

 private:
  EventSubscription subscription_;
};

}  // namespace velkor::adapters
