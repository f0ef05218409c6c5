#include "sync/CellScope.h"

#include <map>
#include <optional>
#include <unordered_map>
#include <utility>

#include "control/ExcelTrendWizard.h"
#include "model/CellReference.h"
#include "model/Globals.h"
#include "model/WorkbookIndex.h"
#include "platform/Conversions.h"
#include "platform/VbString.h"
#include "platform/host/HostModel.h"
#include "support/ErrorHandling.h"

namespace velkor {

namespace {

using Kind = CellRead::Kind;

// The parts of a stored reference that depend on its text alone, kept from
// one event to the next: a trend's references rarely change, and taking
// them apart was most of the cost of an edit far from every followed cell.
// A reference with a quote is taken apart anew each time, part by part as
// the reference test asks for it, since a malformed one reports an error
// whenever its sheet part is read.
struct ReferenceParts {
  std::string book;
  std::string sheet;    // only for a reference with a "!"
  std::string address;  // before the host converts it
};

bool KeepsParts(const std::string& ref) {
  return ref.find('\'') == std::string::npos;
}

const ReferenceParts& PartsOf(const std::string& ref) {
  constexpr std::size_t kMaxKept = 1 << 16;
  thread_local std::unordered_map<std::string, ReferenceParts> kept;
  const auto found = kept.find(ref);
  if (found != kept.end()) return found->second;
  ReferenceParts parts;
  std::string text = ref;
  parts.book = ExtractWorkBookName(text);
  if (ref.find('!') != std::string::npos) {
    text = ref;
    parts.sheet = GetSheetName(text);
  }
  parts.address = AddressPart(vb::Trim(ref));
  if (kept.size() >= kMaxKept) kept.clear();
  return kept.emplace(ref, std::move(parts)).first->second;
}

std::string WorkbookPart(const std::string& ref) {
  if (KeepsParts(ref)) return PartsOf(ref).book;
  std::string text = ref;
  return ExtractWorkBookName(text);
}

// For a reference with a "!".
std::string SheetPart(const std::string& ref) {
  if (KeepsParts(ref)) return PartsOf(ref).sheet;
  std::string text = ref;
  return GetSheetName(text);
}

std::string AddressTextOf(const std::string& ref) {
  if (KeepsParts(ref)) return PartsOf(ref).address;
  return AddressPart(vb::Trim(ref));
}

// The host objects one event looks up by name. Workbooks and sheets do not
// come and go while an event runs, so each distinct name is looked up once:
// a trend whose cells share a sheet pays for that sheet once per event, not
// once per reference.
class EventLookups {
 public:
  // The reference's workbook part, or the control's workbook for none.
  std::string BookOf(const ExcelTrendWizard& c, const std::string& ref) {
    std::string book = WorkbookPart(ref);
    if (!book.empty()) return book;
    if (!controlBook_) {
      controlBook_.emplace();
      TryStep([&] { *controlBook_ = Deref(c.m_objWorkbook).Name(); });
    }
    return *controlBook_;
  }

  // The open workbook of that name (letter case ignored); nullptr for none.
  host::WorkbookPtr OpenWorkbook(const std::string& book) {
    const auto found = books_.find(book);
    if (found != books_.end()) return found->second;
    std::string name = book;
    const std::int16_t pos = GetWorkbookIndex(name);
    host::WorkbookPtr opened =
        pos < 1 ? nullptr : Deref(Deref(gAppExcel).Workbooks()).Item(Variant(pos));
    books_.emplace(book, opened);
    return opened;
  }

  // The worksheet of that name in `book`; nullptr when it has none or the
  // host refused the lookup.
  host::WorksheetPtr SheetOf(const host::WorkbookPtr& book, const std::string& sheet) {
    const auto key = std::make_pair(book.get(), sheet);
    const auto found = sheets_.find(key);
    if (found != sheets_.end()) return found->second;
    host::WorksheetPtr worksheet;
    TryStep([&] { worksheet = Deref(Deref(book).Worksheets()).Item(Variant(sheet)); });
    sheets_.emplace(key, worksheet);
    return worksheet;
  }

 private:
  std::optional<std::string> controlBook_;
  std::map<std::string, host::WorkbookPtr> books_;
  std::map<std::pair<const host::Workbook*, std::string>, host::WorksheetPtr> sheets_;
};

// A reference without a sheet part names the trend's sheet, not whichever
// sheet happens to be active.
std::string SheetNameOf(const ExcelTrendWizard& c, const std::string& ref) {
  if (ref.find('!') == std::string::npos) return c.TrendSheetName;
  std::string sheet = SheetPart(ref);
  return sheet.empty() ? c.TrendSheetName : sheet;
}

std::string AddressOf(const std::string& ref) {
  return CStr(ConvertedAddress(AddressTextOf(ref)));
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
      auto book = lookups_.OpenWorkbook(lookups_.BookOf(c, ref));
      if (!book || book->Name() != bookName_) return;
      const std::string sheet = SheetNameOf(c, ref);
      if ((timeCell && sheet.empty()) || sheet != sheetName_) return;
      auto cell = Deref(lookups_.SheetOf(book, sheet)).Range(Variant(AddressOf(ref)));
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
  mutable EventLookups lookups_;
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
      auto book = lookups_.OpenWorkbook(lookups_.BookOf(c, ref));
      if (!book || book->Name() != bookName_) return;
      const std::string sheet = SheetNameOf(c, ref);
      if (sheet != sheetName_) return;
      read = ValueAt(lookups_.SheetOf(book, sheet), ref);
    });
    return read;
  }

 private:
  host::WorksheetPtr sheet_;
  std::string sheetName_;
  std::string bookName_;
  mutable EventLookups lookups_;
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
      if (lookups_.BookOf(c, ref) != bookName_) return;
      read = ValueAt(lookups_.SheetOf(book_, SheetNameOf(c, ref)), ref);
    });
    return read;
  }

 private:
  host::WorkbookPtr book_;
  std::string bookName_;
  mutable EventLookups lookups_;
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
    EventLookups lookups;
    auto book = lookups.OpenWorkbook(lookups.BookOf(c, ref));
    if (book) read = ValueAt(lookups.SheetOf(book, SheetNameOf(c, ref)), ref);
  });
  return read;
}

}  // namespace velkor
