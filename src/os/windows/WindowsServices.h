// WindowsServices: the operating-system services of a Windows desktop for
// one thread: COM object creation, the shell's Popup, the system registry,
// the profile calls, the shell folders, and the logging component.
//
// The logging component is outside this product; its ProgID comes from the
// environment (VELKOR_LOG_PROGID, with VELKOR_LOG_WRITER naming the writer
// property, "Writer" when unset, and VELKOR_LOG_METHOD the write method, the
// writer's first method when unset). Without a ProgID the reports go to
// `fallbackLog`.
#pragma once

#include <memory>
#include <optional>

#include "os/windows/ComLogSink.h"
#include "os/windows/ComObjectFactory.h"
#include "platform/os/OsServices.h"

namespace velkor::sim {

// The logging component the environment names; nothing when it names none.
std::optional<ComLogSink::Component> LogComponentFromEnvironment();

// The set over `objects` (which may serve classes of its own in process).
os::Services WindowsServices(std::shared_ptr<ComObjectFactory> objects,
                             std::optional<ComLogSink::Component> logComponent,
                             std::shared_ptr<os::LogSink> fallbackLog);

}  // namespace velkor::sim
