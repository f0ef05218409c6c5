#include "standins/host/CellAddress.h"

#include <algorithm>

#include "platform/host/HostConstants.h"

namespace velkor::sim {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
char Upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// A left-to-right reader over the text of one reference.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ == text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  bool Take(char c) {
    if (AtEnd() || Upper(text_[pos_]) != c) return false;
    ++pos_;
    return true;
  }
  // An unsigned decimal number; nullopt when there is none or it is too long
  // to be a row or column (which also keeps the arithmetic in range).
  std::optional<std::int32_t> Number() {
    std::size_t start = pos_;
    std::int64_t value = 0;
    while (!AtEnd() && IsDigit(text_[pos_])) {
      if (pos_ - start >= 9) return std::nullopt;
      value = value * 10 + (text_[pos_++] - '0');
    }
    if (pos_ == start) return std::nullopt;
    return static_cast<std::int32_t>(value);
  }
  std::optional<std::int32_t> SignedNumber() {
    bool negative = Take('-');
    if (!negative) Take('+');
    auto n = Number();
    if (!n) return std::nullopt;
    return negative ? -*n : *n;
  }
  std::string_view Letters() {
    std::size_t start = pos_;
    while (!AtEnd() && IsLetter(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

std::optional<CellRef> ReadA1Corner(Cursor& in) {
  CellRef ref;
  ref.columnAbsolute = in.Take('$');
  auto column = ParseColumnLetters(in.Letters());
  ref.rowAbsolute = in.Take('$');
  auto row = in.Number();
  if (!column || !row || !IsValidCell(*row, *column)) return std::nullopt;
  ref.row = *row;
  ref.column = *column;
  return ref;
}

// One R1C1 coordinate after its "R" or "C": a number (absolute), "[n]" or
// nothing (relative to `base`).
std::optional<std::int32_t> ReadR1C1Part(Cursor& in, std::int32_t base, bool& absolute) {
  if (in.Take('[')) {
    auto offset = in.SignedNumber();
    if (!offset || !in.Take(']')) return std::nullopt;
    absolute = false;
    return base + *offset;
  }
  if (IsDigit(in.Peek())) {
    absolute = true;
    return in.Number();
  }
  absolute = false;
  return base;
}

std::optional<CellRef> ReadR1C1Corner(Cursor& in, std::int32_t baseRow, std::int32_t baseColumn) {
  CellRef ref;
  if (!in.Take('R')) return std::nullopt;
  auto row = ReadR1C1Part(in, baseRow, ref.rowAbsolute);
  if (!row || !in.Take('C')) return std::nullopt;
  auto column = ReadR1C1Part(in, baseColumn, ref.columnAbsolute);
  if (!column || !IsValidCell(*row, *column)) return std::nullopt;
  ref.row = *row;
  ref.column = *column;
  return ref;
}

template <class ReadCorner>
std::optional<AreaRef> ReadArea(std::string_view text, ReadCorner readCorner) {
  Cursor in(text);
  AreaRef ref;
  auto first = readCorner(in);
  if (!first) return std::nullopt;
  ref.first = ref.last = *first;
  if (in.Take(':')) {
    auto last = readCorner(in);
    if (!last) return std::nullopt;
    ref.last = *last;
    ref.isArea = true;
  }
  if (!in.AtEnd()) return std::nullopt;
  return ref;
}

std::string A1Corner(const CellRef& c) {
  return (c.columnAbsolute ? "$" : "") + ColumnLetters(c.column) + (c.rowAbsolute ? "$" : "") +
         std::to_string(c.row);
}

std::string R1C1Part(char axis, std::int32_t value, bool absolute, std::int32_t base) {
  std::string out(1, axis);
  if (absolute) return out + std::to_string(value);
  if (value != base) out += "[" + std::to_string(value - base) + "]";
  return out;
}

}  // namespace

CellArea AreaRef::Area() const {
  return CellArea{std::min(first.row, last.row), std::min(first.column, last.column),
                  std::max(first.row, last.row), std::max(first.column, last.column)};
}

bool IsValidCell(std::int32_t row, std::int32_t column) {
  return row >= 1 && row <= host::kMaxRows && column >= 1 && column <= host::kMaxColumns;
}

std::optional<std::int32_t> ParseColumnLetters(std::string_view letters) {
  if (letters.empty() || letters.size() > 3) return std::nullopt;
  std::int32_t column = 0;
  for (char c : letters) {
    if (!IsLetter(c)) return std::nullopt;
    column = column * 26 + (Upper(c) - 'A' + 1);
  }
  if (column > host::kMaxColumns) return std::nullopt;
  return column;
}

std::string ColumnLetters(std::int32_t column) {
  std::string letters;
  for (; column > 0; column = (column - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
  return letters;
}

std::optional<AreaRef> ParseA1(std::string_view text) {
  return ReadArea(text, ReadA1Corner);
}

std::optional<AreaRef> ParseR1C1(std::string_view text, std::int32_t baseRow,
                                 std::int32_t baseColumn) {
  return ReadArea(text, [&](Cursor& in) { return ReadR1C1Corner(in, baseRow, baseColumn); });
}

std::string FormatA1(const AreaRef& ref) {
  std::string out = A1Corner(ref.first);
  if (ref.isArea) out += ":" + A1Corner(ref.last);
  return out;
}

std::string FormatR1C1(const AreaRef& ref, std::int32_t baseRow, std::int32_t baseColumn) {
  auto corner = [&](const CellRef& c) {
    return R1C1Part('R', c.row, c.rowAbsolute, baseRow) +
           R1C1Part('C', c.column, c.columnAbsolute, baseColumn);
  };
  std::string out = corner(ref.first);
  if (ref.isArea) out += ":" + corner(ref.last);
  return out;
}

std::string AbsoluteAddress(const CellArea& area) {
  AreaRef ref{{area.top, area.left}, {area.bottom, area.right}, !area.IsSingleCell()};
  return FormatA1(ref);
}

std::optional<CellArea> Intersection(const CellArea& a, const CellArea& b) {
  CellArea out{std::max(a.top, b.top), std::max(a.left, b.left), std::min(a.bottom, b.bottom),
               std::min(a.right, b.right)};
  if (out.top > out.bottom || out.left > out.right) return std::nullopt;
  return out;
}

}  // namespace velkor::sim
