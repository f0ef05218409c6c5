// Localized strings: the own (English) table and the per-locale language
// libraries "KVRT<locale>.ResourceStrings".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velkor {

// Makes the language library of `langId` the thread's current language
// object. Returns false, keeping the current object, when it cannot be created.
bool LoadLanguage(std::string_view langId);

// The text of `id` in the current language, or from the own table when no
// language object was loaded. A missing id raises Resource not found (326).
std::string GetString(std::int32_t id);

}  // namespace velkor
