// Workbook: one open workbook of the host.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/Object.h"
#include "platform/host/HostFwd.h"

namespace velkor::host {

class Workbook : public Object {
 public:
  std::string TypeName() const override { return "Workbook"; }

  // The file name of a saved workbook ("Book1.xls"), "BookN" before its first save.
  virtual std::string Name() const = 0;
  virtual WorksheetsPtr Worksheets() = 0;
  virtual WorksheetPtr ActiveSheet() = 0;
  // The host; nullptr once the workbook is closed.
  virtual ApplicationPtr Application() = 0;
  ApplicationPtr Parent() { return Application(); }
  // Makes this the host's active workbook.
  virtual void Activate() = 0;
  // Raises WorkbookBeforeClose and closes unless a handler set Cancel.
  // Returns false when the close was cancelled.
  virtual bool Close() = 0;

  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;
};

}  // namespace velkor::host
