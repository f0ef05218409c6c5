// The enumerations the control publishes in its type library.
#pragma once

#include <cstdint>

namespace velkor {

// Where the wizard was opened from; passed to the add-in's "ShowWizard".
enum OpenPramEnum : std::int32_t {
  kzwOpenfromMenuBar = 0,
  kzwOpenfromDefineMenu = 1,
  kzwOpenfromSetTimeRangeMenu = 2,
  kzwOpenfromExportDataMenu = 3,
  kzwOpenfromMove_ResizeMenu = 4,
  kzwOpenfromCopy_PasteMenu = 5,
};

// Attribute keys the control writes on archive query specifications.
enum quereParam : std::int32_t {
  kzwServerName = 10100,
  kzwServerNameCell = 10101,
  kzwTagName = 10102,
  kzwTagNameCell = 10103,
};

}  // namespace velkor
