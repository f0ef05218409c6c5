// The hand-off to the wizard add-in: the control asks the add-in's
// "ShowWizard" macro, through the host's macro runner, to open the wizard
// for this control in a given mode.
#pragma once

#include <cstdint>

namespace velkor {

class ExcelTrendWizard;

// Records `Mode` as the current wizard mode and runs the macro with the
// control's name and the mode. While the user edits a cell the host refuses
// to run macros; the user is then asked to leave the cell. The caller never
// sees an error.
void ShowWizard(ExcelTrendWizard& c, std::int32_t& Mode);

}  // namespace velkor
