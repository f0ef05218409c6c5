// Constants of the host's object model that callers pass as plain numbers.
#pragma once

#include <cstdint>

namespace velkor::host {

// Reference styles of Application.ConvertFormula.
inline constexpr std::int32_t kXlA1 = 1;
inline constexpr std::int32_t kXlR1C1 = -4150;

// LanguageSettings.LanguageID selector of the user-interface language.
inline constexpr std::int32_t kMsoLanguageIdUI = 2;
inline constexpr std::int32_t kDefaultLanguageId = 1033;

// The screen's default mouse pointer.
inline constexpr std::int32_t kMousePointerDefault = 0;

// Sheet limits: rows 1 to 1048576, columns A (1) to XFD (16384).
inline constexpr std::int32_t kMaxRows = 1048576;
inline constexpr std::int32_t kMaxColumns = 16384;

// Default cell geometry in points.
inline constexpr double kDefaultColumnWidth = 48.0;
inline constexpr double kDefaultRowHeight = 15.0;

}  // namespace velkor::host
