#include "standins/host/WizardAddIn.h"

#include "standins/host/SimApplication.h"

namespace velkor::sim {

std::shared_ptr<WizardAddIn> WizardAddIn::Install(SimApplication& app) {
  auto addIn = std::make_shared<WizardAddIn>();
  // The wizard's screens are not part of the stand-in: the macro only
  // records that it was asked to open them, and returns nothing as a Sub does.
  app.RegisterMacro(kShowWizardMacro, [addIn](std::span<Variant> args) {
    addIn->calls_.push_back({std::string(kShowWizardMacro), {args.begin(), args.end()}});
    return Variant();
  });
  return addIn;
}

}  // namespace velkor::sim
