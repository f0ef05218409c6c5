#include "standins/components/excel/SimExcelData.h"

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"
#include "platform/host/Range.h"
#include "platform/host/Worksheet.h"
#include "standins/FaultPoints.h"
#include "standins/components/excel/QuerySpecKeys.h"
#include "standins/components/excel/WorksheetRange.h"
#include "standins/components/library/BagFields.h"
#include "standins/components/library/DataMode.h"
#include "standins/components/library/LateArgs.h"
#include "standins/components/library/QuerySpecList.h"
#include "standins/components/library/SimDataProvider.h"
#include "standins/host/CellAddress.h"
#include "standins/host/SheetReference.h"

namespace velkor::sim {

namespace {

// What a new specification records of the range it was cut from.
struct RangeFacts {
  std::string book;
  std::string sheet;
  std::string address;
  CellArea area;
};

std::string CellText(std::string_view sheet, const CellArea& area) {
  return QuoteSheetName(sheet) + "!" + AbsoluteAddress(area);
}

// The cells of trace `index` (1-based) without the name cell.
CellArea TraceArea(const RangeFacts& facts, const RangeShape& shape, std::int32_t index) {
  CellArea area = facts.area;
  std::int32_t skip = shape.namesFirst ? 1 : 0;
  if (shape.rowWise) {
    area.top = area.bottom = facts.area.top + index;
    area.left += skip;
  } else {
    area.left = area.right = facts.area.left + index;
    area.top += skip;
  }
  return area;
}

CellArea NameArea(const RangeFacts& facts, const RangeShape& shape, std::int32_t index) {
  auto [row, column] = NameCellOf(shape, index);
  std::int32_t top = facts.area.top + row - 1, left = facts.area.left + column - 1;
  return {top, left, top, left};
}

std::string NameFromCell(const Variant& cell) {
  try {
    return cell.IsError() ? std::string() : CStr(cell);
  } catch (const VbError&) {
    return {};
  }
}

RangeShape ShapeOf(const SimSpecAttributes& attributes) {
  return {attributes.FlagOr(excel_key::kRowWise, false),
          attributes.FlagOr(excel_key::kNamesFirst, false)};
}

SimQuerySpecPtr MakeSpec(const RangeFacts& facts, const CellGrid& grid, const RangeOptions& options,
                         std::int32_t index) {
  const RangeShape& shape = options.shape;
  std::string name;
  if (shape.namesFirst) {
    auto [row, column] = NameCellOf(shape, index);
    name = NameFromCell(grid.At(row, column));
  }
  if (name.empty()) name = CellText(facts.sheet, TraceArea(facts, shape, index));
  auto spec = std::make_shared<SimQuerySpec>(name);
  SimSpecAttributes& a = spec->Attrs();
  a.Set(excel_key::kDataRange, Variant(facts.address));
  a.Set(excel_key::kTraceIndex, Variant(index));
  a.Set(excel_key::kRowWise, Variant(shape.rowWise));
  a.Set(excel_key::kNameFromCell, Variant(shape.namesFirst));
  a.Set(excel_key::kStepped, Variant(options.stepped));
  a.Set(excel_key::kStatic, Variant(options.isStatic));
  a.Set(excel_key::kMarkers, Variant(options.markers));
  a.Set(excel_key::kNamesFirst, Variant(shape.namesFirst));
  a.Set(excel_key::kSheet, Variant(facts.sheet));
  a.Set(excel_key::kWorkbook, Variant(facts.book));
  if (shape.namesFirst)
    a.Set(excel_key::kNameCell, Variant(CellText(facts.sheet, NameArea(facts, shape, index))));
  return spec;
}

}  // namespace

SimExcelData::SimExcelData() : core_(*this) {}

ObjectPtr SimExcelData::AddQuerySpecs(const std::string& queryRange,
                                      const Variant& firstRowColHasNames,
                                      const Variant& rangeIsRowWise, const Variant& stepped,
                                      const Variant& rangeIsStatic, const Variant& markers,
                                      const Variant&, bool) {
  ThrowIfArmed("ExcelData.AddQuerySpecs");
  RangeOptions options{{FlagArg(rangeIsRowWise), FlagArg(firstRowColHasNames)},
                       FlagArg(stepped),
                       FlagArg(rangeIsStatic),
                       FlagArg(markers)};
  auto specs = SpecsOfRange(queryRange, options);
  for (const auto& spec : specs)
    if (options.isStatic || readOnAdd_) ReadSpec(*spec);
  bool wasGrouping = core_.store->Grouping();
  core_.store->BeginGroup();
  for (const auto& spec : specs) core_.store->Add(spec);
  if (!wasGrouping) core_.store->EndGroup();
  return core_.queryObject->QuerySpecs();
}

std::vector<SimQuerySpecPtr> SimExcelData::SpecsOfRange(const std::string& queryRange,
                                                        const RangeOptions& options) {
  ObjectPtr book = core_.Workbook();
  RangeLocation location = ParseRangeText(queryRange, HomeSheetName(book, this));
  auto sheet = FindSheet(book, location.book, location.sheet);
  auto range = sheet->Range(Variant(location.address));
  RangeFacts facts{location.book, sheet->Name(), range->Address(),
                   CellArea{range->Row(), range->Column(), range->Row() + range->RowsCount() - 1,
                            range->Column() + range->ColumnsCount() - 1}};
  CellGrid grid(range->Value());
  std::int32_t count = TraceCount(grid, options.shape);
  if (count < 1)
    Raise(err::kInvalidProcedureCall, TypeName(), "The range " + queryRange + " holds no trace");
  std::vector<SimQuerySpecPtr> specs;
  for (std::int32_t index = 1; index <= count; ++index)
    specs.push_back(MakeSpec(facts, grid, options, index));
  return specs;
}

void SimExcelData::RemoveQuerySpec(const Variant& item) {
  ThrowIfArmed("ExcelData.RemoveQuerySpec");
  core_.store->Remove(SpecByPositionOrName(*core_.store, item));
}

ObjectPtr SimExcelData::QueryData(const Variant& mode, bool) {
  ThrowIfArmed("ExcelData.QueryData");
  std::int32_t queryMode = data_mode::ModeOf(mode);
  for (const auto& spec : core_.store->Working())
    if (NeedsRead(*spec, queryMode)) ReadSpec(*spec);
  return core_.AnnounceData(OnDataChange, queryMode, TypeName());
}

void SimExcelData::RereadSpec(const component::SpecAttributesPtr& attributes) {
  auto spec = core_.store->Owner(attributes);
  if (!spec) RaiseSpecNotHeld("of these attributes");
  spec->stale = true;
  if (!followEdits_) return;
  ReadSpec(*spec);
  FeedChanged.Raise();
}

component::DataProviderPtr SimExcelData::DataProvider() {
  return std::make_shared<SimDataProvider>(weak_from_this());
}

void SimExcelData::ReadProperties(host::PropertyBag& bag) {
  core_.ReadCommon(bag);
  readOnAdd_ = ReadFlagField(bag, "FirstSwitch", false);
  followEdits_ = ReadFlagField(bag, "SecondSwitch", false);
}

void SimExcelData::WriteProperties(host::PropertyBag& bag) {
  core_.WriteCommon(bag);
  bag.WriteProperty("FirstSwitch", Variant(readOnAdd_), Variant(false));
  bag.WriteProperty("SecondSwitch", Variant(followEdits_), Variant(false));
}

std::vector<std::string> SimExcelData::SeriesNames() const {
  return core_.AppliedNames();
}

std::vector<FeedSeries> SimExcelData::Series() const {
  std::vector<FeedSeries> series;
  for (const auto& spec : core_.store->Applied()) {
    const SimSpecAttributes& a = spec->Attrs();
    series.push_back({spec->Name(),
                      TraceKind::Worksheet,
                      spec->points,
                      a.FlagOr(excel_key::kStepped, false),
                      a.FlagOr(excel_key::kMarkers, false),
                      {}});
  }
  return series;
}

void SimExcelData::ReadSpec(SimQuerySpec& spec) const {
  const SimSpecAttributes& a = spec.Attrs();
  spec.queried = true;
  spec.stale = false;
  try {
    auto sheet = FindSheet(core_.Workbook(), a.TextOr(excel_key::kWorkbook, ""),
                           a.TextOr(excel_key::kSheet, ""));
    CellGrid grid(sheet->Range(a.Find(excel_key::kDataRange).value_or(Variant("")))->Value());
    spec.points = TracePoints(grid, ShapeOf(a), a.LongOr(excel_key::kTraceIndex, 1));
  } catch (const VbError&) {
    spec.points.clear();  // the sheet or workbook is gone: a trace without values
  }
}

bool SimExcelData::NeedsRead(const SimQuerySpec& spec, std::int32_t mode) const {
  if (!spec.queried || spec.stale) return true;
  return mode == data_mode::kAll && !spec.Attrs().FlagOr(excel_key::kStatic, false);
}

}  // namespace velkor::sim
