// The host application over a foreign object. Its four events are fetched
// from the foreign object by name once the first handler connects to any of
// them, and raised here as the typed events the control handles.
#pragma once

#include "adapters/LateObject.h"
#include "platform/host/Application.h"

namespace velkor::adapters {

class LateApplication final : public Adapted<host::Application> {
 public:
  explicit LateApplication(ObjectPtr target);

  host::WorkbooksPtr Workbooks() override;
  host::WorkbookPtr ActiveWorkbook() override;
  host::WorksheetPtr ActiveSheet() override;
  host::RangePtr ActiveCell() override;
  host::RangePtr Intersect(const host::RangePtr& first, const host::RangePtr& second) override;
  Variant ConvertFormula(const Variant& formula, std::int32_t fromStyle,
                         std::int32_t toStyle) override;
  Variant Run(std::string_view macro, std::vector<Variant> args) override;
  host::LanguageSettingsPtr LanguageSettings() override;
  std::int32_t ScreenMousePointer() const override;
  void SetScreenMousePointer(std::int32_t pointer) override;

 private:
  void Subscribe();
  void Deliver(std::string_view event, std::span<Variant> args);

  EventSubscription subscription_;
};

}  // namespace velkor::adapters
