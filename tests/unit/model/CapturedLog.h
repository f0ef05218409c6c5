// CapturedLog: catches the error reports of the test's thread in memory and
// puts the thread's previous services back afterwards.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/os/OsServices.h"
#include "standins/MemoryLogSink.h"

namespace velkor::test {

class CapturedLog {
 public:
  CapturedLog() : saved_(os::OsServices()) {
    auto services = saved_;
    services.log = sink_;
    os::InstallOsServices(services);
  }
  ~CapturedLog() { os::InstallOsServices(saved_); }
  CapturedLog(const CapturedLog&) = delete;
  CapturedLog& operator=(const CapturedLog&) = delete;

  std::vector<std::string> Lines() const { return sink_->Lines(); }

 private:
  os::Services saved_;
  std::shared_ptr<sim::MemoryLogSink> sink_ = std::make_shared<sim::MemoryLogSink>();
};

}  // namespace velkor::test
