#include "tools/scenario/ScenarioSession.h"
#include "tools/scenario/ScenarioComMode.h"

#include "adapters/InstallAdapters.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"
#include "platform/VbString.h"
#include "standins/VirtualNow.h"
#include "standins/components/ArchiveSource.h"
#include "standins/host/CellAddress.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/JsonFields.h"
#include "standins/host/SimRange.h"
#include "standins/host/SimWorkbook.h"
#include "standins/host/SimWorksheet.h"
#include "tools/scenario/ScenarioArchive.h"

namespace velkor::sim::scenario {

namespace fs = std::filesystem;

namespace {

// Runs one part of the set-up; a refusal of the host becomes a fault of the
// set-up field at `path`.
template <class Step>
void AtField(const std::string& path, Step step) {
  try {
    step();
  } catch (const FileFormatError&) {
    throw;
  } catch (...) {
    throw FileFormatError(path, CurrentError().description());
  }
}

void FillCells(SimWorksheet& sheet, const Json& cells, const std::string& path) {
  for (const auto& [address, value] : cells.items()) {
    const std::string at = json::Child(path, address);
    auto area = ParseA1(address);
    if (!area) throw FileFormatError(at, "not a cell address");
    sheet.RangeAt(area->Area())->WriteCells(DecodeScenarioValue(value, at, {}));
  }
}

}  // namespace

namespace {

SimOptions ServicesFor(const RunOptions& options) {
  SimOptions services;
  services.byName = options.byName;
  if (options.byName) adapters::InstallAdapters();
  return services;
}

}  // namespace

ScenarioSession::ScenarioSession(const Scenario& scenario, fs::path outputFolder,
                                 const RunOptions& options)
    : services_(InstallSimServices(ServicesFor(options))),
      comMode_(options.com ? EnterComMode(services_) : nullptr),
      app_(SimApplication::Create()),
      driver_(app_),
      addIn_(WizardAddIn::Install(*app_)),
      outputFolder_(std::move(outputFolder)),
      scenarioFolder_(scenario.file.parent_path()) {
  app_->SetControlsSeeByName(options.byName);
}

ScenarioSession::~ScenarioSession() {
  try {
    app_->Quit();
  } catch (...) {
    // A control failing at teardown must not hide the run's result.
  }
}

void ScenarioSession::SetUp(const Scenario& scenario) {
  // "now" of the components follows this host's clock from the set-up on.
  ResetVirtualNow();
  SetVirtualNow(scenario.clock ? *scenario.clock : VirtualNow(), app_->ClockPtr());
  if (scenario.hostLanguage) app_->SetUILanguage(*scenario.hostLanguage);
  // An earlier scenario of the same run may have chosen another archive.
  UseArchive(nullptr);
  if (scenario.archive)
    AtField("/archive", [&] { InstallArchive(*scenario.archive, scenarioFolder_, VirtualNow()); });
  for (std::size_t i = 0; i < scenario.workbooks.size(); ++i) {
    const std::string at = json::Child("/workbooks", i);
    AtField(at, [&] { AddWorkbook(scenario.workbooks[i], at); });
  }
  if (scenario.workbooks.empty()) driver_.NewWorkbook();
  if (scenario.active) AtField("/active", [&] { Activate(*scenario.active); });
}

void ScenarioSession::AddWorkbook(const WorkbookSetup& setup, const std::string& path) {
  if (app_->FindBook(setup.name)) Raise(err::kAppDefined, "", "a workbook of that name is open");
  auto book = std::make_shared<SimWorkbook>(app_, setup.name);
  for (std::size_t i = 0; i < setup.sheets.size(); ++i) {
    const auto& sheet = setup.sheets[i];
    const std::string at = json::Child(json::Child(path, "sheets"), i);
    auto code = sheet.codeName.empty() ? book->FreeCodeName() : sheet.codeName;
    std::shared_ptr<SimWorksheet> added;
    AtField(at, [&] { added = book->InsertSheet(book->Sheets().size(), sheet.name, code); });
    FillCells(*added, sheet.cells, json::Child(at, "cells"));
    added->SetProtected(sheet.isProtected);
  }
  if (book->Sheets().empty()) Raise(err::kAppDefined, "", "a workbook needs at least one sheet");
  book->SetActiveSheet(book->Sheets().front());
  book->SetDirty(false);
  app_->AdoptBook(book);
}

void ScenarioSession::Activate(const ActiveSetup& active) {
  auto book = driver_.ResolveBook(active.workbook);
  book->Activate();
  auto sheet = active.sheet.empty() ? book->ActiveSimSheet() : book->FindSheet(active.sheet);
  if (!sheet) Raise(err::kAppDefined, "", "no sheet named '" + active.sheet + "'");
  if (!active.cell.empty()) {
    auto cell = ParseA1(active.cell);
    if (!cell) Raise(err::kAppDefined, "", "'" + active.cell + "' is not a cell address");
    sheet->SetActiveCell(cell->Area());
  }
  sheet->Activate();
}

std::shared_ptr<SimOLEObject> ScenarioSession::Frame(const std::string& name) {
  // "[Book.xlsx]Name" reaches into any open workbook, "Name" into the active
  // one; "Sheet2!Name" (after the workbook, if any) looks on that sheet only,
  // for a name that more than one sheet holds.
  const bool namesBook = name.starts_with('[') && name.find(']') != std::string::npos;
  std::string object = namesBook ? name.substr(name.find(']') + 1) : name;
  std::string sheetName;
  if (const auto bang = object.find('!'); bang != std::string::npos) {
    sheetName = object.substr(0, bang);
    object = object.substr(bang + 1);
  }
  auto book =
      namesBook ? driver_.ResolveBook(name.substr(1, name.find(']') - 1)) : app_->ActiveBook();
  if (book)
    for (const auto& sheet : book->Sheets())
      if (sheetName.empty() || vb::EqualsText(sheet->Name(), sheetName))
        if (auto frame = sheet->FindObject(object)) return frame;
  Raise(err::kAppDefined, "scenario",
        "no OLE object named '" + object + "' in " +
            (namesBook ? "workbook '" + book->Name() + "'" : std::string("the active workbook")));
}

ObjectLookup ScenarioSession::Lookup() {
  return [this](const std::string& name) { return Frame(name)->Object(); };
}

fs::path ScenarioSession::OutputPath(const std::string& relative) const {
  fs::path path(relative);
  bool climbs = false;
  for (const auto& part : path) climbs = climbs || part == "..";
  if (relative.empty() || path.is_absolute() || climbs)
    Raise(err::kAppDefined, "scenario",
          "'" + relative + "': files are written inside the output folder only");
  RequireInOutputFolder(outputFolder_ / path);
  return outputFolder_ / path;
}

void ScenarioSession::RequireInOutputFolder(const fs::path& file) const {
  std::error_code ec;
  const fs::path root = fs::weakly_canonical(fs::absolute(outputFolder_), ec);
  const fs::path folder =
      ec ? fs::path() : fs::weakly_canonical(fs::absolute(file).parent_path(), ec);
  const fs::path inside = ec ? fs::path() : folder.lexically_relative(root);
  if (inside.empty() || *inside.begin() == "..")
    Raise(err::kAppDefined, "scenario",
          "'" + file.string() + "': files are written inside the output folder only (" +
              outputFolder_.string() + ")");
}

fs::path ScenarioSession::InputPath(const std::string& path) const {
  fs::path given(path);
  if (given.is_absolute()) return given;
  std::error_code ec;
  if (fs::exists(outputFolder_ / given, ec)) return outputFolder_ / given;
  return scenarioFolder_ / given;
}

}  // namespace velkor::sim::scenario
