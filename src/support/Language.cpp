#include "support/Language.h"

#include <string>

#include "platform/Conversions.h"
#include "platform/Object.h"
#include "platform/os/ObjectFactory.h"
#include "support/StringTable.h"

namespace velkor {

namespace {

// Shared by every control of the thread; replaced only by a successful load.
thread_local ObjectPtr tLanguage;

}  // namespace

std::string LanguageProgId(std::string_view langId) {
  return "KVRT" + std::string(langId) + ".ResourceStrings";
}

bool LoadLanguage(std::string_view langId) {
  if (langId.empty()) return false;
  ObjectPtr created;
  try {
    created = os::CreateObject(LanguageProgId(langId));
  } catch (...) {
    return false;
  }
  if (!created) return false;
  tLanguage = std::move(created);
  return true;
}

std::string GetString(std::int32_t id) {
  // A local reference keeps the object alive should the call itself load
  // another language.
  ObjectPtr language = tLanguage;
  if (!language) return std::string(OwnString(id));
  Variant args[] = {Variant(id)};
  return CStr(language->Invoke("get_string", InvokeKind::Method, args));
}

void ResetThreadLanguage() {
  tLanguage.reset();
}

}  // namespace velkor
