// Test support for the host stand-in: a control that records the
// container's calls, and a fixture with a fresh host whose object factory
// knows the test classes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "os/linux/ObjectRegistry.h"
#include "platform/host/EmbeddedControl.h"
#include "platform/os/OsServices.h"
#include "standins/host/HostDriver.h"
#include "standins/host/SimApplication.h"
#include "standins/host/SimPropertyBag.h"
#include "unit/platform/RaisedNumber.h"

namespace velkor::host_test {

inline constexpr const char* kRecorderProgId = "Test.Recorder";
inline constexpr const char* kPlainProgId = "Test.Plain.1";

// A control that logs every container call and persists a fixed set of
// properties of every subtype.
class RecordingControl : public Object, public host::EmbeddedControl {
 public:
  std::string TypeName() const override { return "RecordingControl"; }

  void SetSite(std::shared_ptr<host::ControlSite> s) override;
  void Initialize() override;
  void ReadProperties(host::PropertyBag& bag) override;
  void WriteProperties(host::PropertyBag& bag) override;
  void Resize() override;
  void Show() override;
  void Terminate() override;

  // (key, default) of the persisted properties, in write order.
  static const std::vector<std::pair<std::string, Variant>>& Schema();

  std::vector<std::string> calls;
  std::shared_ptr<host::ControlSite> site;
  sim::PropertyList values;  // what ReadProperties read; what WriteProperties writes
  std::function<void(RecordingControl&)> onResize;
  std::function<void(RecordingControl&)> onTerminate;
};

class PlainObject : public Object {
 public:
  std::string TypeName() const override { return "PlainObject"; }
};

class HostFixture : public ::testing::Test {
 protected:
  HostFixture();
  ~HostFixture() override;

  std::shared_ptr<RecordingControl> ControlOf(const host::OLEObjectPtr& frame) const;
  // A fresh workbook "BookN" with Sheet1..Sheet3, Sheet1 active.
  std::shared_ptr<sim::SimWorkbook> NewBook() { return driver.NewWorkbook(); }

  std::shared_ptr<sim::ObjectRegistry> registry = std::make_shared<sim::ObjectRegistry>();
  std::shared_ptr<sim::SimApplication> app = sim::SimApplication::Create();
  sim::HostDriver driver{app};

 private:
  os::Services saved_;
};

// A folder of its own for one test, removed afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

using platform_test::RaisedNumber;

}  // namespace velkor::host_test
