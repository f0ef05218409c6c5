#include "os/windows/ShellPopupMessageBox.h"

#include "platform/Conversions.h"
#include "platform/Object.h"

namespace velkor::sim {

std::int32_t ShellPopupMessageBox::Popup(const std::string& text, std::int32_t secondsToWait,
                                         const std::string& title, std::int32_t type) {
  ObjectPtr shell = Deref(factory_).CreateObject(kShellProgId);
  Variant args[] = {Variant(text), Variant(secondsToWait), Variant(title), Variant(type)};
  return CLng(Deref(shell).Invoke("Popup", InvokeKind::Method, args));
}

}  // namespace velkor::sim
