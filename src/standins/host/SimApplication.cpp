#include "standins/host/SimApplication.h"

#include <algorithm>

#include "platform/ErrorNumbers.h"
#include "platform/VbString.h"
#include "standins/FaultPoints.h"
#include "standins/host/FormulaConversion.h"
#include "standins/host/SimCollections.h"
#include "standins/host/SimRange.h"
#include "standins/host/SimWorkbook.h"
#include "standins/host/SimWorksheet.h"
#include "standins/host/WorkbookFile.h"

namespace velkor::sim {

std::shared_ptr<SimApplication> SimApplication::Create() {
  std::shared_ptr<SimApplication> app(new SimApplication);
  app->workbooks_ = std::make_shared<SimWorkbooks>(app);
  app->languageSettings_ = std::make_shared<SimLanguageSettings>(app);
  return app;
}

SimApplication::~SimApplication() = default;

std::shared_ptr<SimApplication> SimApplication::Self() {
  return std::static_pointer_cast<SimApplication>(shared_from_this());
}

host::WorkbooksPtr SimApplication::Workbooks() {
  return workbooks_;
}

host::WorkbookPtr SimApplication::ActiveWorkbook() {
  return ActiveBook();
}

host::WorksheetPtr SimApplication::ActiveSheet() {
  auto book = ActiveBook();
  return book ? book->ActiveSheet() : nullptr;
}

host::RangePtr SimApplication::ActiveCell() {
  auto book = ActiveBook();
  auto sheet = book ? book->ActiveSimSheet() : nullptr;
  return sheet ? sheet->RangeAt(sheet->ActiveCellArea()) : nullptr;
}

host::RangePtr SimApplication::Intersect(const host::RangePtr& first,
                                         const host::RangePtr& second) {
  auto a = std::dynamic_pointer_cast<SimRange>(first);
  auto b = std::dynamic_pointer_cast<SimRange>(second);
  if (!a || !b) Raise(err::kTypeMismatch);
  if (a->Sheet() != b->Sheet()) return nullptr;
  auto common = sim::Intersection(a->Area(), b->Area());
  return common ? a->Sheet()->RangeAt(*common) : nullptr;
}

Variant SimApplication::ConvertFormula(const Variant& formula, std::int32_t fromStyle,
                                       std::int32_t toStyle) {
  auto book = ActiveBook();
  auto sheet = book ? book->ActiveSimSheet() : nullptr;
  CellArea base = sheet ? sheet->ActiveCellArea() : CellArea{};
  return ConvertReferenceStyle(formula, fromStyle, toStyle, base.top, base.left);
}

Variant SimApplication::Run(std::string_view macro, std::vector<Variant> args) {
  ThrowIfArmed("Application.Run");
  if (cellEditMode_) Raise(err::kAppDefined, "Run", "The macro cannot run while a cell is edited.");
  auto it = macros_.find(vb::UCase(macro));
  if (it == macros_.end())
    Raise(err::kAppDefined, "Run", "Cannot run the macro '" + std::string(macro) + "'.");
  auto macroFn = it->second;  // the macro may register others while it runs
  return macroFn(args);
}

host::LanguageSettingsPtr SimApplication::LanguageSettings() {
  return languageSettings_;
}

void SimApplication::SetSheetsInNewWorkbook(std::int32_t count) {
  if (count < 1 || count > 255) Raise(err::kAppDefined);
  sheetsInNewWorkbook_ = count;
}

void SimApplication::RegisterMacro(std::string_view name, Macro macro) {
  macros_[vb::UCase(name)] = std::move(macro);
}

std::shared_ptr<SimWorkbook> SimApplication::FindBook(std::string_view name) const {
  auto it = std::find_if(books_.begin(), books_.end(),
                         [name](const auto& b) { return vb::EqualsText(b->Name(), name); });
  return it == books_.end() ? nullptr : *it;
}

std::shared_ptr<SimWorkbook> SimApplication::AddBook() {
  std::string name;
  do {
    name = "Book" + std::to_string(nextBookNumber_++);
  } while (FindBook(name));
  auto book = std::make_shared<SimWorkbook>(Self(), name);
  for (std::int32_t i = 0; i < sheetsInNewWorkbook_; ++i) {
    auto sheetName = "Sheet" + std::to_string(i + 1);
    book->InsertSheet(static_cast<std::size_t>(i), sheetName, sheetName);
  }
  book->SetActiveSheet(book->Sheets().front());
  book->SetDirty(false);
  AdoptBook(book);
  return book;
}

void SimApplication::AdoptBook(std::shared_ptr<SimWorkbook> book) {
  books_.push_back(book);
  active_ = book;
}

std::shared_ptr<SimWorkbook> SimApplication::OpenBook(const std::string& path) {
  if (auto open = FindOpenFile(*this, path)) {
    Activate(open);
    return open;
  }
  auto book = LoadWorkbookFile(*this, path);
  if (enableEvents_) WorkbookOpen.Raise(book);
  return book;
}

void SimApplication::Activate(const std::shared_ptr<SimWorkbook>& book) {
  if (std::find(books_.begin(), books_.end(), book) != books_.end()) active_ = book;
}

void SimApplication::RemoveBook(const SimWorkbook& book) {
  std::erase_if(books_, [&](const auto& b) { return b.get() == &book; });
  if (!active_.lock() || active_.lock().get() == &book)
    active_ = books_.empty() ? nullptr : books_.back();
}

void SimApplication::Quit() {
  auto keep = Self();
  {
    DriverScope scope(*this);
    while (!books_.empty()) {
      auto book = books_.back();
      bool cancel = false;
      if (enableEvents_) WorkbookBeforeClose.Raise(book, cancel);
      book->Shutdown();
    }
  }
  ReleaseDeferred();
}

void SimApplication::DeferRelease(ObjectPtr object) {
  if (object) deferred_.push_back(std::move(object));
}

void SimApplication::ReleaseDeferred() {
  // Releasing may run destructors that delete more objects; keep going until
  // nothing waits.
  while (!deferred_.empty()) {
    auto batch = std::move(deferred_);
    deferred_.clear();
    batch.clear();
  }
}

SimApplication::DriverScope::DriverScope(SimApplication& app) : app_(app.Self()) {
  ++app_->driverDepth_;
}

SimApplication::DriverScope::~DriverScope() {
  if (--app_->driverDepth_ == 0) app_->ReleaseDeferred();
}

}  // namespace velkor::sim
