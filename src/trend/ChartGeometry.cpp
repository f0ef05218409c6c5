#include "trend/ChartGeometry.h"

#include "control/ExcelTrendWizard.h"
#include "model/Globals.h"
#include "platform/Conversions.h"
#include "platform/host/HostModel.h"

namespace velkor {

namespace {

constexpr std::int32_t kDefaultColumns = 8;
constexpr double kDefaultHeightInCells = 15.0;

double FirstColumnsWidth(host::Worksheet& sheet) {
  double width = 0.0;
  for (std::int32_t column = 1; column <= kDefaultColumns; ++column)
    width += Deref(sheet.Cells(1, column)).Width();
  return width;
}

double ActiveCellsHeight() {
  return kDefaultHeightInCells * Deref(Deref(gAppExcel).ActiveCell()).Height();
}

double FirstRowWidth(host::Range& range) {
  double width = 0.0;
  for (std::int32_t i = 1; i <= range.ColumnsCount(); ++i)
    width += Deref(range.Cells(1, i)).Width();
  return width;
}

double FirstColumnHeight(host::Range& range) {
  double height = 0.0;
  for (std::int32_t i = 1; i <= range.RowsCount(); ++i) height += Deref(range.Cells(i, 1)).Height();
  return height;
}

}  // namespace

bool ChartBox::KeepsSize() const {
  return CDbl(width) == -1.0 && CDbl(height) == -1.0;
}

ChartBox DefaultChartBox(host::Worksheet& sheet) {
  return {Variant(1.0), Variant(1.0), Variant(FirstColumnsWidth(sheet)),
          Variant(ActiveCellsHeight())};
}

ChartBox ChartBoxOfRange(const ExcelTrendWizard& c, host::Worksheet& sheet,
                         const std::string& address) {
  auto range = sheet.Range(Variant(address));
  const auto first = Deref(range).Cells(1, 1);
  ChartBox box{Variant(Deref(first).Top()), Variant(first->Left()), {}, {}};
  const bool oneCell = range->RowsCount() == 1 && range->ColumnsCount() == 1;
  if (oneCell && !c.m_objTrend) {
    box.width = Variant(FirstColumnsWidth(sheet));
    box.height = Variant(ActiveCellsHeight());
    return box;
  }
  box.width = Variant(FirstRowWidth(*range));
  box.height = Variant(FirstColumnHeight(*range));
  if (oneCell) box.width = box.height = Variant(-1.0);
  return box;
}

}  // namespace velkor
