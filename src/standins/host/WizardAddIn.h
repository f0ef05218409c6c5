// WizardAddIn: the stand-in for the wizard add-in that lives in the host. It
// offers the add-in's macro "ShowWizard" to Application.Run and records every
// call with its arguments, so that a test or a scenario can check what the
// control asked the wizard to do.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Variant.h"

namespace velkor::sim {

class SimApplication;

inline constexpr std::string_view kShowWizardMacro = "ShowWizard";

struct MacroCall {
  std::string name;
  std::vector<Variant> args;
};

class WizardAddIn {
 public:
  // Registers the add-in's macros with `app`; the add-in stays alive as long
  // as the registration does.
  static std::shared_ptr<WizardAddIn> Install(SimApplication& app);

  // Every call so far, oldest first.
  const std::vector<MacroCall>& Calls() const { return calls_; }

 private:
  std::vector<MacroCall> calls_;
};

}  // namespace velkor::sim
