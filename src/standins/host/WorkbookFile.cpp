#include "standins/host/WorkbookFile.h"

#include <filesystem>
#include <system_error>

#include "os/linux/AtomicFile.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/SimApplication.h"
#include "standins/host/SimOLEObject.h"
#include "standins/host/SimWorkbook.h"
#include "standins/host/SimWorksheet.h"
#include "standins/host/WorkbookJson.h"

namespace velkor::sim {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void RaiseFile(const std::string& what, const std::string& path,
                            const std::string& cause) {
  Raise(err::kAppDefined, "Workbooks", what + " '" + path + "': " + cause);
}

std::string Normalized(const std::string& path) {
  std::error_code ec;
  auto absolute = fs::weakly_canonical(fs::absolute(path, ec), ec);
  return ec ? path : absolute.string();
}

SheetData CaptureSheet(SimWorksheet& sheet) {
  SheetData out{sheet.Name(), sheet.CodeName(),         sheet.ActiveCellArea(),
                {},           sheet.Columns().Custom(), sheet.Rows().Custom(),
                {},           sheet.IsProtected()};
  for (const auto& [cell, value] : sheet.CellMap())
    out.cells.push_back({cell.first, cell.second, value});
  for (const auto& object : std::vector(sheet.Objects())) {
    const auto& g = object->Geometry();
    out.objects.push_back({object->ProgID(), object->RawName(), g.left, g.top, g.width, g.height,
                           object->Visible(), object->SaveState()});
  }
  return out;
}

void FillSheet(SimWorksheet& sheet, const SheetData& data) {
  for (const auto& [column, width] : data.columnWidths) sheet.SetColumnWidth(column, width);
  for (const auto& [row, height] : data.rowHeights) sheet.SetRowHeight(row, height);
  for (const auto& cell : data.cells) sheet.SetCellValue(cell.row, cell.column, cell.value);
  sheet.SetActiveCell(data.activeCell);
  sheet.SetProtected(data.isProtected);
}

void EmbedObject(SimWorksheet& sheet, const OleObjectData& o) {
  auto frame = sheet.AddObject(o.progId, {o.left, o.top, o.width, o.height}, o.name, &o.properties);
  if (!o.visible) frame->SetVisible(false);
}

WorkbookData ReadData(const std::string& path) {
  std::string text;
  try {
    text = ReadWholeFile(path);
  } catch (const std::system_error& e) {
    RaiseFile("Cannot open", path, e.code().message());
  }
  try {
    return ReadWorkbookJson(text);
  } catch (const FileFormatError& e) {
    RaiseFile("Cannot open", path, "at " + e.place() + ": " + e.what());
  }
}

std::shared_ptr<SimWorkbook> BuildBook(SimApplication& app, const std::string& path,
                                       const WorkbookData& data) {
  auto book = std::make_shared<SimWorkbook>(app.Self(), fs::path(path).filename().string());
  for (const auto& sheet : data.sheets)
    FillSheet(*book->InsertSheet(book->Sheets().size(), sheet.name, sheet.codeName), sheet);
  // Every sheet of a saved workbook has a code name.
  for (const auto& sheet : book->Sheets())
    if (sheet->CodeName().empty()) sheet->SetCodeName(book->FreeCodeName());
  book->SetActiveSheet(book->Sheets()[data.activeSheet]);
  book->SetPath(Normalized(path));
  return book;
}

// Creates the objects in file order; a failure closes the half-loaded
// workbook again so that no control of it stays behind, and names the
// object's place in the file (its ProgID when no object of it could be made).
void EmbedAll(SimWorkbook& book, const WorkbookData& data, const std::string& path) {
  std::string place;
  try {
    for (std::size_t i = 0; i < data.sheets.size(); ++i)
      for (std::size_t j = 0; j < data.sheets[i].objects.size(); ++j) {
        place = "/sheets/" + std::to_string(i) + "/oleObjects/" + std::to_string(j);
        EmbedObject(*book.Sheets()[i], data.sheets[i].objects[j]);
      }
  } catch (...) {
    VbError error = CurrentError();
    book.Shutdown();
    if (error.number() == err::kCannotCreateObject) place += "/progId";
    throw VbError(error.number(),
                  "Cannot open '" + path + "': at " + place + ": " + error.description(),
                  "Workbooks");
  }
}

}  // namespace

WorkbookData CaptureWorkbook(SimWorkbook& book) {
  WorkbookData data;
  for (const auto& sheet : book.Sheets()) data.sheets.push_back(CaptureSheet(*sheet));
  auto active = book.ActiveSimSheet();
  for (std::size_t i = 0; i < book.Sheets().size(); ++i)
    if (book.Sheets()[i] == active) data.activeSheet = i;
  return data;
}

void SaveWorkbookFile(SimWorkbook& book, const std::string& path) {
  const std::string name = fs::path(path).filename().string();
  auto app = book.App();
  auto other = app ? app->FindBook(name) : nullptr;
  if (other && other.get() != &book)
    RaiseFile("Cannot save", path, "a workbook named '" + name + "' is open");
  std::string text = WriteWorkbookJson(CaptureWorkbook(book));
  try {
    WriteFileAtomically(path, text, app ? app->SaveFault() : WriteFault{});
  } catch (const std::system_error& e) {
    RaiseFile("Cannot save", path, std::string(e.what()));
  }
  book.SetName(name);
  book.SetPath(Normalized(path));
  book.SetDirty(false);
}

std::shared_ptr<SimWorkbook> FindOpenFile(const SimApplication& app, const std::string& path) {
  const std::string wanted = Normalized(path);
  for (const auto& book : app.Books())
    if (!book->Path().empty() && book->Path() == wanted) return book;
  return nullptr;
}

std::shared_ptr<SimWorkbook> LoadWorkbookFile(SimApplication& app, const std::string& path) {
  const WorkbookData data = ReadData(path);
  const std::string name = fs::path(path).filename().string();
  if (app.FindBook(name)) RaiseFile("Cannot open", path, "a workbook named '" + name + "' is open");
  auto book = BuildBook(app, path, data);
  app.AdoptBook(book);
  EmbedAll(*book, data, path);
  book->SetDirty(false);
  return book;
}

}  // namespace velkor::sim
