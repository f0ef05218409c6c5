#include "tools/scenario/ScenarioComMode.h"

#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"

#ifdef _WIN32
#include <windows.h>

#include <objbase.h>

#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include "adapters/InstallAdapters.h"
#include "com/bridge/ComPtr.h"
#include "control/ComIdentity.h"
#include "model/LateBound.h"
#include "os/windows/ComObjectFactory.h"
#include "platform/Conversions.h"
#include "platform/VbString.h"
#include "platform/os/LogSink.h"
#include "platform/os/OsServices.h"
#include "standins/com/ComClasses.h"
#include "standins/com/ComContainer.h"
#include "standins/com/ComStandIns.h"
#include "standins/host/SimOLEObject.h"
#endif

namespace velkor::sim::scenario {

#ifdef _WIN32

namespace {

constexpr std::string_view kLogProgId = "Velkor.StandIns.Log";

// The logging component the library reports to: its writer is itself, and
// each Write goes to the session's own log.
class StandInLog final : public Object {
 public:
  std::string TypeName() const override { return "StandInLog"; }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override {
    if (IsMember(member, "Writer") && IsRead(kind)) return Variant(shared_from_this());
    if (!IsMember(member, "Write") || kind != InvokeKind::Method) RaiseNotSupported();
    RequireArgs(args, 1);
    Deref(os::OsServices().log).Write(CStr(args[0]));
    return {};
  }
};

// Once per process: the stand-ins' classes and events, the adapters, and
// the frames' way of embedding a control of another module.
// The thread stays in its apartment until the process ends: leaving it could
// unload velkor.dll under the per-thread values it keeps.
void PrepareProcess() {
  static std::once_flag once;
  std::call_once(once, [] {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
      Raise(err::kCannotCreateObject, "run", "COM is not available");
    adapters::InstallAdapters();
    auto library = com::ComPtr<ITypeLib>::Adopt(LoadStandInTypeLib());
    if (!library) Raise(err::kCannotCreateObject, "run", "the program carries no standins.tlb");
    ExposeStandInsToCom(library.get());
    SimOLEObject::SetEmbeddingMaker(&EmbedThroughCom);
    // The library's services for the threads it serves here.
    _putenv("VELKOR_OS_SERVICES=container");
    _putenv(("VELKOR_LOG_PROGID=" + std::string(kLogProgId)).c_str());
    _putenv("VELKOR_LOG_WRITER=Writer");
    _putenv("VELKOR_LOG_METHOD=Write");
  });
}

// Every class of the session but the control and its own published class,
// which velkor.dll serves.
std::vector<std::string> StandInProgIds(ObjectRegistry& registry) {
  std::vector<std::string> progIds;
  for (const std::string& progId : registry.ProgIds())
    if (!vb::EqualsText(progId, com_identity::kControlProgId) &&
        !vb::EqualsText(progId, com_identity::kResourceStringsProgId))
      progIds.push_back(progId);
  return progIds;
}

}  // namespace

std::shared_ptr<void> EnterComMode(SimServices& services) {
  PrepareProcess();
  services.objects->Register(kLogProgId, [] { return std::make_shared<StandInLog>(); });
  std::shared_ptr<ComClassServer> served =
      ServeThroughCom(services.objects, StandInProgIds(*services.objects));
  // Objects created by ProgID, by the host stand-in too, now come through COM.
  os::OsServices().objects = std::make_shared<ComObjectFactory>();
  return served;
}

#else

std::shared_ptr<void> EnterComMode(SimServices&) {
  Raise(err::kCannotCreateObject, "run", "--com needs the Windows build (velkor.exe)");
}

#endif

}  // namespace velkor::sim::scenario
