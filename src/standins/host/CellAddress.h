// Cell addresses of the host: A1 ("$B$5:$C$6") and R1C1 ("R5C2:R6C3",
// "R[1]C[-1]") notation, parsed into rectangles and written back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkor::sim {

// A rectangle of cells, 1-based and inclusive, top <= bottom, left <= right.
struct CellArea {
  std::int32_t top = 1;
  std::int32_t left = 1;
  std::int32_t bottom = 1;
  std::int32_t right = 1;

  std::int32_t Rows() const { return bottom - top + 1; }
  std::int32_t Columns() const { return right - left + 1; }
  std::int64_t CellCount() const { return std::int64_t{Rows()} * Columns(); }
  bool IsSingleCell() const { return top == bottom && left == right; }
  friend bool operator==(const CellArea&, const CellArea&) = default;
};

// One corner of a written reference, with the "$" markers it carried (A1) or
// whether it was given as a number rather than an [offset] (R1C1).
struct CellRef {
  std::int32_t row = 1;
  std::int32_t column = 1;
  bool rowAbsolute = true;
  bool columnAbsolute = true;
};

// A reference as written: one cell, or two corners joined by ":".
struct AreaRef {
  CellRef first;
  CellRef last;
  bool isArea = false;

  CellArea Area() const;  // normalized, whatever the corners' order
};

bool IsValidCell(std::int32_t row, std::int32_t column);

// "A" = 1 ... "XFD" = 16384; letter case ignored.
std::optional<std::int32_t> ParseColumnLetters(std::string_view letters);
std::string ColumnLetters(std::int32_t column);

// A1 notation with or without "$"; nullopt for anything else ("A0", "XFE1", "", "R1C1").
std::optional<AreaRef> ParseA1(std::string_view text);
// R1C1 notation; relative parts are resolved against (baseRow, baseColumn).
// nullopt for anything else or a reference that leaves the sheet.
std::optional<AreaRef> ParseR1C1(std::string_view text, std::int32_t baseRow,
                                 std::int32_t baseColumn);

// A1 text with "$" before the absolute parts.
std::string FormatA1(const AreaRef& ref);
// R1C1 text; relative parts as offsets from (baseRow, baseColumn).
std::string FormatR1C1(const AreaRef& ref, std::int32_t baseRow, std::int32_t baseColumn);
// The host's Address: "$A$1" for one cell, "$B$5:$C$6" for an area.
std::string AbsoluteAddress(const CellArea& area);

std::optional<CellArea> Intersection(const CellArea& a, const CellArea& b);

}  // namespace velkor::sim
