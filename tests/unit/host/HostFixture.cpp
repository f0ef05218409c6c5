#include "unit/host/HostFixture.h"

#include <unistd.h>

#include "platform/Conversions.h"
#include "platform/host/OLEObject.h"

namespace velkor::host_test {

namespace fs = std::filesystem;

void RecordingControl::SetSite(std::shared_ptr<host::ControlSite> s) {
  site = std::move(s);
  calls.push_back("SetSite");
}

void RecordingControl::Initialize() {
  calls.push_back("Initialize");
}

const std::vector<std::pair<std::string, Variant>>& RecordingControl::Schema() {
  static const std::vector<std::pair<std::string, Variant>> schema = {
      {"Text", Variant("")},
      {"Flag", Variant(false)},
      {"Count", Variant(std::int32_t{0})},
      {"Small", Variant(std::int16_t{0})},
      {"Ratio", Variant(0.0)},
      {"When", Variant()},
      {"Start", Variant("")},
      {"Title", Variant("Plotvane")},
  };
  return schema;
}

void RecordingControl::ReadProperties(host::PropertyBag& bag) {
  calls.push_back("ReadProperties");
  values.clear();
  for (const auto& [key, defaultValue] : Schema())
    values.emplace_back(key, bag.ReadProperty(key, defaultValue));
}

void RecordingControl::WriteProperties(host::PropertyBag& bag) {
  calls.push_back("WriteProperties");
  for (const auto& [key, value] : values) {
    Variant defaultValue;
    for (const auto& [k, d] : Schema())
      if (k == key) defaultValue = d;
    bag.WriteProperty(key, value, defaultValue);
  }
}

void RecordingControl::Resize() {
  calls.push_back("Resize");
  if (onResize) onResize(*this);
}

void RecordingControl::Show() {
  calls.push_back("Show");
}

void RecordingControl::Terminate() {
  calls.push_back("Terminate");
  if (onTerminate) onTerminate(*this);
}

HostFixture::HostFixture() : saved_(os::OsServices()) {
  registry->Register(kRecorderProgId, [] { return std::make_shared<RecordingControl>(); });
  registry->Register(kPlainProgId, [] { return std::make_shared<PlainObject>(); });
  os::Services services;
  services.objects = registry;
  os::InstallOsServices(services);
}

HostFixture::~HostFixture() {
  app->Quit();
  os::InstallOsServices(saved_);
}

std::shared_ptr<RecordingControl> HostFixture::ControlOf(const host::OLEObjectPtr& frame) const {
  return std::dynamic_pointer_cast<RecordingControl>(frame->Object());
}

TempFolder::TempFolder() {
  auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  path_ = fs::temp_directory_path() /
          ("velkor-host-" + std::string(test->name()) + "-" + std::to_string(::getpid()));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

}  // namespace velkor::host_test
