// SimControlSite: what the stand-in host's container offers one embedded
// control: the ambient UserMode, the extender's name, the workbook as parent,
// the dirty notification, a window handle and timers on the virtual clock.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/ControlSite.h"

namespace velkor::sim {

class SimApplication;
class SimOLEObject;
class SimTimer;
class SimWorkbook;

class SimControlSite : public host::ControlSite {
 public:
  SimControlSite(std::weak_ptr<SimOLEObject> frame, std::weak_ptr<SimApplication> app,
                 std::int32_t windowHandle);

  bool AmbientUserMode() const override;
  std::string ExtenderName() const override;
  ObjectPtr Parent() const override;
  // Marks the workbook changed and records the name for inspection.
  void PropertyChanged(std::string_view name) override;
  std::int32_t WindowHandle() const override { return windowHandle_; }
  std::shared_ptr<host::ControlTimer> CreateTimer() override;

  const std::vector<std::string>& ChangedProperties() const { return changed_; }
  void ClearChangedProperties() { changed_.clear(); }
  // The control has been terminated: its timers stop and the site no longer
  // leads to the frame or the workbook.
  void Detach();

 private:
  std::shared_ptr<SimOLEObject> Frame() const { return frame_.lock(); }
  std::shared_ptr<SimWorkbook> Book() const;
  bool EmbedsTheControl() const;

  std::weak_ptr<SimOLEObject> frame_;
  mutable std::optional<bool> embedsTheControl_;
  std::weak_ptr<SimApplication> app_;
  std::int32_t windowHandle_;
  std::vector<std::string> changed_;
  std::vector<std::weak_ptr<SimTimer>> timers_;
  bool detached_ = false;
};

}  // namespace velkor::sim
