#include "support/MsgBox.h"

#include "platform/Conversions.h"
#include "platform/Object.h"
#include "platform/os/ObjectFactory.h"

namespace velkor {

namespace {
constexpr std::int32_t kWaitForAnswer = 0;
}

std::int32_t ShellMsgBox(const std::string& prompt, const std::string& title, std::int32_t flags) {
  ObjectPtr shell = os::CreateObject("WScript.Shell");
  Variant args[] = {Variant(prompt), Variant(kWaitForAnswer), Variant(title), Variant(flags)};
  return CLng(Deref(shell).Invoke("Popup", InvokeKind::Method, args));
}

}  // namespace velkor
