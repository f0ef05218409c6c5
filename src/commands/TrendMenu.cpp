// The control's commands on the chart's context menu.
#include <array>

#include "commands/DeleteTrend.h"
#include "control/ControlEnums.h"
#include "control/ExcelTrendWizard.h"
#include "control/OwnObjects.h"
#include "platform/Conversions.h"
#include "support/ErrorHandling.h"
#include "trend/WizardHandOff.h"

namespace velkor {

namespace {

enum class Command { Format, Wizard, Delete };

struct MenuCommand {
  std::int32_t ExcelTrendWizard::*id;
  Command command;
  std::int32_t mode;  // the wizard's mode for Command::Wizard
};

constexpr std::array<MenuCommand, 7> kCommands{{
    {&ExcelTrendWizard::m_lMenuFormat, Command::Format, 0},
    {&ExcelTrendWizard::m_lMenuDefineTrend, Command::Wizard, kzwOpenfromDefineMenu},
    {&ExcelTrendWizard::m_lMenuTimeRange, Command::Wizard, kzwOpenfromSetTimeRangeMenu},
    {&ExcelTrendWizard::m_lMenuDeleteTrend, Command::Delete, 0},
    {&ExcelTrendWizard::m_lMenuExportData, Command::Wizard, kzwOpenfromExportDataMenu},
    {&ExcelTrendWizard::m_lMenuMoveResize, Command::Wizard, kzwOpenfromMove_ResizeMenu},
    {&ExcelTrendWizard::m_lMenuCopyPaste, Command::Wizard, kzwOpenfromCopy_PasteMenu},
}};

void Run(ExcelTrendWizard& c, const MenuCommand& item) {
  switch (item.command) {
    case Command::Format:
      Deref(c.m_objTrend.get()).ShowFormatDialog(Deref(c.Site()).WindowHandle());
      break;
    case Command::Wizard:
      // The wizard works through its own control; without it there is no wizard.
      if (GetOwnObject(c, c.WizardControlName)) {
        std::int32_t mode = item.mode;
        ShowWizard(c, mode);
      }
      break;
    case Command::Delete:
      DeleteTrend(c);
      break;
  }
}

}  // namespace

void ExcelTrendWizard::m_objTrend_OnUserDefinedMenuItem(const Variant& ItemId) {
  RunReported("m_objTrend_OnUserDefinedMenuItem", [&] {
    for (const auto& item : kCommands) {
      if (!VarEquals(ItemId, Variant(this->*item.id))) continue;
      Run(*this, item);
      return;
    }
  });
}

}  // namespace velkor
