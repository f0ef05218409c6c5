#include "control/HostBinding.h"

#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"
#include "platform/host/Application.h"

namespace velkor {

host::ApplicationPtr ApplicationOf(const ObjectPtr& parent) {
  Variant app = Deref(parent).Invoke("Application", InvokeKind::PropertyGet, {});
  if (!app.IsObject()) Raise(err::kTypeMismatch);
  if (!app.AsObject()) return nullptr;
  auto host = ObjectCast<host::Application>(app.AsObject());
  if (!host) Raise(err::kTypeMismatch);
  return host;
}

}  // namespace velkor
