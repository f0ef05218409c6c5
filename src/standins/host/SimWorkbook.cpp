#include "standins/host/SimWorkbook.h"

#include <algorithm>

#include "platform/ErrorNumbers.h"
#include "platform/VbString.h"
#include "standins/host/SheetNames.h"
#include "standins/host/SimApplication.h"
#include "standins/host/SimCollections.h"
#include "standins/host/SimOLEObject.h"
#include "standins/host/SimWorksheet.h"

namespace velkor::sim {

SimWorkbook::SimWorkbook(std::weak_ptr<SimApplication> app, std::string name)
    : app_(std::move(app)), name_(std::move(name)) {}

std::shared_ptr<SimApplication> SimWorkbook::App() const {
  return closed_ ? nullptr : app_.lock();
}

std::shared_ptr<SimWorkbook> SimWorkbook::Self() {
  return std::static_pointer_cast<SimWorkbook>(shared_from_this());
}

void SimWorkbook::RequireOpen() const {
  if (closed_) Raise(err::kAppDefined, name_, "The workbook has been closed.");
}

host::WorksheetsPtr SimWorkbook::Worksheets() {
  RequireOpen();
  return std::make_shared<SimWorksheets>(Self());
}

host::WorksheetPtr SimWorkbook::ActiveSheet() {
  return ActiveSimSheet();
}

host::ApplicationPtr SimWorkbook::Application() {
  return App();
}

void SimWorkbook::Activate() {
  RequireOpen();
  if (auto app = App()) app->Activate(Self());
}

bool SimWorkbook::Close() {
  if (closed_) return true;
  auto self = Self();
  bool cancel = false;
  auto app = App();
  if (app && app->EnableEvents()) app->WorkbookBeforeClose.Raise(self, cancel);
  if (cancel) return false;
  Shutdown();
  return true;
}

void SimWorkbook::Shutdown() {
  if (closed_) return;
  auto self = Self();
  for (const auto& sheet : sheets_)
    for (const auto& object : std::vector(sheet->Objects())) object->Shutdown();
  if (auto app = App()) app->RemoveBook(*this);
  closed_ = true;
}

std::shared_ptr<SimWorksheet> SimWorkbook::FindSheet(std::string_view name) const {
  auto it = std::find_if(sheets_.begin(), sheets_.end(),
                         [name](const auto& s) { return vb::EqualsText(s->Name(), name); });
  return it == sheets_.end() ? nullptr : *it;
}

std::shared_ptr<SimWorksheet> SimWorkbook::InsertSheet(std::size_t position, std::string name,
                                                       std::string codeName) {
  RequireOpen();
  if (!IsValidSheetName(name) || FindSheet(name))
    Raise(err::kAppDefined, name_, "Cannot name a sheet '" + name + "'.");
  auto sheet = std::make_shared<SimWorksheet>(Self(), std::move(name), std::move(codeName));
  sheets_.insert(sheets_.begin() + static_cast<std::ptrdiff_t>(std::min(position, sheets_.size())),
                 sheet);
  dirty_ = true;
  return sheet;
}

std::shared_ptr<SimWorksheet> SimWorkbook::AddSheet() {
  auto active = ActiveSimSheet();
  auto at = std::find(sheets_.begin(), sheets_.end(), active);
  auto sheet = InsertSheet(static_cast<std::size_t>(at - sheets_.begin()), FreeSheetName(), "");
  sheet->Activate();
  return sheet;
}

void SimWorkbook::SetActiveSheet(const std::shared_ptr<SimWorksheet>& sheet) {
  if (std::find(sheets_.begin(), sheets_.end(), sheet) != sheets_.end()) activeSheet_ = sheet;
}

std::string SimWorkbook::FreeSheetName() const {
  return FirstFreeName("Sheet", [this](const std::string& n) { return FindSheet(n) != nullptr; });
}

std::string SimWorkbook::FreeCodeName() const {
  return FirstFreeName("Sheet", [this](const std::string& n) {
    return std::any_of(sheets_.begin(), sheets_.end(),
                       [&](const auto& s) { return vb::EqualsText(s->CodeName(), n); });
  });
}

}  // namespace velkor::sim
