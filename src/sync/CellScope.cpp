#include "sync/CellScope.h"

#include "control/ExcelTrendWizard.h"
#include "model/CellReference.h"
#include "model/Globals.h"
#include "model/WorkbookIndex.h"
#include "platform/Conversions.h"
#include "platform/host/HostModel.h"
#include "support/ErrorHandling.h"

namespace velkor {

namespace {

using Kind = CellRead::Kind;

// The parts of a reference, taken in the order the tests need them; the
// control's workbook and trend sheet stand in for parts it leaves out.
std::string BookOf(const ExcelTrendWizard& c, const std::string& ref) {
  std::string text = ref;
  std::string book = ExtractWorkBookName(text);
  if (book.empty()) TryStep([&] { book = Deref(c.m_objWorkbook).Name(); });
  return book;
}

// A reference without a sheet part names the trend's sheet, not whichever
// sheet happens to be active.
std::string SheetNameOf(const ExcelTrendWizard& c, const std::string& ref) {
  if (ref.find('!') == std::string::npos) return c.TrendSheetName;
  std::string text = ref;
  std::string sheet = GetSheetName(text);
  return sheet.empty() ? c.TrendSheetName : sheet;
}

std::string AddressOf(const std::string& ref) {
  std::string text = ref;
  return CStr(GetRangeAddress(text));
}

host::WorkbookPtr OpenWorkbook(std::string book) {
  const std::int16_t pos = GetWorkbookIndex(book);
  if (pos < 1) return nullptr;
  return Deref(Deref(gAppExcel).Workbooks()).Item(Variant(pos));
}

host::WorksheetPtr SheetOf(const host::WorkbookPtr& book, const std::string& sheet) {
  host::WorksheetPtr found;
  TryStep([&] { found = Deref(Deref(book).Worksheets()).Item(Variant(sheet)); });
  return found;
}

// The cell's value; a worksheet that does not exist makes it invalid.
CellRead ValueAt(const host::WorksheetPtr& sheet, const std::string& ref) {
  if (!sheet) return {Kind::Invalid, {}};
  CellRead read{Kind::Value, {}};
  TryStep([&] { read.value = Deref(sheet->Range(Variant(AddressOf(ref)))).Value(); });
  return read;
}

class EditedRange : public CellScope {
 public:
  EditedRange(host::WorksheetPtr sheet, host::RangePtr target)
      : sheet_(std::move(sheet)), target_(std::move(target)) {
    TryStep([&] { sheetName_ = Deref(sheet_).Name(); });
    TryStep([&] { bookName_ = Deref(Deref(sheet_).Parent()).Name(); });
  }

  // The steps of the reference test, in order; the first that fails leaves
  // the reference unfollowed.
  CellRead Read(const ExcelTrendWizard& c, const std::string& ref, bool timeCell) const override {
    CellRead read;
    TryStep([&] {
      auto book = OpenWorkbook(BookOf(c, ref));
      if (!book || book->Name() != bookName_) return;
      const std::string sheet = SheetNameOf(c, ref);
      if ((timeCell && sheet.empty()) || sheet != sheetName_) return;
      auto cell =
          Deref(Deref(book->Worksheets()).Item(Variant(sheet))).Range(Variant(AddressOf(ref)));
      if (!Deref(gAppExcel).Intersect(target_, cell)) return;
      read.kind = Kind::Value;
      TryStep([&] { read.value = Deref(cell).Value(); });
    });
    return read;
  }

 private:
  host::WorksheetPtr sheet_;
  host::RangePtr target_;
  std::string sheetName_;
  std::string bookName_;
};

class CalculatedSheet : public CellScope {
 public:
  explicit CalculatedSheet(host::WorksheetPtr sheet) : sheet_(std::move(sheet)) {
    TryStep([&] { sheetName_ = Deref(sheet_).Name(); });
    TryStep([&] { bookName_ = Deref(Deref(sheet_).Parent()).Name(); });
  }

  CellRead Read(const ExcelTrendWizard& c, const std::string& ref, bool) const override {
    CellRead read;
    TryStep([&] {
      auto book = OpenWorkbook(BookOf(c, ref));
      if (!book || book->Name() != bookName_) return;
      const std::string sheet = SheetNameOf(c, ref);
      if (sheet != sheetName_) return;
      read = ValueAt(SheetOf(book, sheet), ref);
    });
    return read;
  }

 private:
  host::WorksheetPtr sheet_;
  std::string sheetName_;
  std::string bookName_;
};

// The opened workbook is taken as it is, not looked up by position.
class OpenedWorkbook : public CellScope {
 public:
  explicit OpenedWorkbook(host::WorkbookPtr book) : book_(std::move(book)) {
    TryStep([&] { bookName_ = Deref(book_).Name(); });
  }

  CellRead Read(const ExcelTrendWizard& c, const std::string& ref, bool) const override {
    CellRead read;
    TryStep([&] {
      if (BookOf(c, ref) != bookName_) return;
      read = ValueAt(SheetOf(book_, SheetNameOf(c, ref)), ref);
    });
    return read;
  }

 private:
  host::WorkbookPtr book_;
  std::string bookName_;
};

}  // namespace

std::unique_ptr<CellScope> EditedRangeScope(const host::WorksheetPtr& sheet,
                                            const host::RangePtr& target) {
  return std::make_unique<EditedRange>(sheet, target);
}

std::unique_ptr<CellScope> CalculatedSheetScope(const host::WorksheetPtr& sheet) {
  return std::make_unique<CalculatedSheet>(sheet);
}

std::unique_ptr<CellScope> OpenedWorkbookScope(const host::WorkbookPtr& book) {
  return std::make_unique<OpenedWorkbook>(book);
}

CellRead ReadAnywhere(const ExcelTrendWizard& c, const std::string& ref) {
  CellRead read{Kind::Invalid, {}};
  TryStep([&] {
    auto book = OpenWorkbook(BookOf(c, ref));
    if (book) read = ValueAt(SheetOf(book, SheetNameOf(c, ref)), ref);
  });
  return read;
}

}  // namespace velkor
