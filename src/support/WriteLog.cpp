#include <memory>
#include <string>

#include "platform/ErrorNumbers.h"
#include "platform/os/LogSink.h"
#include "platform/os/OsServices.h"
#include "support/ErrorReport.h"

namespace velkor {

namespace {

// The thread's logging object. It hands each report to the log sink the
// thread has installed at the time of writing, so that a host installing
// fresh services on a kept thread gets its reports in the new sink.
class LoggingObject {
 public:
  LoggingObject() { Sink(); }  // like the component: creation fails without a logger
  void Write(const std::string& text) { Sink().Write(text); }

 private:
  static os::LogSink& Sink() {
    const auto& sink = os::OsServices().log;
    if (!sink) Raise(err::kCannotCreateObject, "WriteLog");
    return *sink;
  }
};

thread_local std::unique_ptr<LoggingObject> tLogger;

}  // namespace

void WriteLog(const std::string& text) {
  if (!tLogger) tLogger = std::make_unique<LoggingObject>();
  tLogger->Write(text);
}

}  // namespace velkor
