// Localized strings: the own (English) table and the per-locale language
// libraries "KVRT<locale>.ResourceStrings".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velkor {

// The ProgID of the language library of `langId`: "KVRT" + langId + ".ResourceStrings".
std::string LanguageProgId(std::string_view langId);

// Makes the language library of `langId` the thread's current language
// object. Returns false, keeping the current object, when it cannot be created.
bool LoadLanguage(std::string_view langId);

// The text of `id` in the current language, or from the own table when no
// language object was loaded. A missing id raises Resource not found (326).
std::string GetString(std::int32_t id);

// Drops the thread's current language object, as at the start of a thread.
// The control never does this; it is for a host that starts a fresh session
// on a thread it keeps (the stand-ins, tests).
void ResetThreadLanguage();

}  // namespace velkor
