#include <array>
#include <cctype>

#include "platform/Conversions.h"
#include "platform/VbString.h"

namespace velkor {

namespace {

struct Number {
  int value;
  int digits;
};

// Reads the pieces of a date text left to right; every read either consumes
// what it matched or nothing.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ == text_.size(); }
  std::size_t Position() const { return pos_; }
  void Rewind(std::size_t pos) { pos_ = pos; }

  bool Skip(char c) {
    if (AtEnd() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  bool SkipBlanks() {
    const auto start = pos_;
    while (!AtEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    return pos_ > start;
  }

  std::optional<Number> ReadNumber(int maxDigits = 4) {
    Number n{0, 0};
    while (!AtEnd() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
      if (++n.digits > maxDigits) return std::nullopt;
      n.value = n.value * 10 + (text_[pos_++] - '0');
    }
    if (n.digits == 0) return std::nullopt;
    return n;
  }

  std::string ReadWord() {
    std::string word;
    while (!AtEnd() && std::isalpha(static_cast<unsigned char>(text_[pos_]))) {
      word += text_[pos_++];
    }
    return word;
  }

  bool PeekAlpha() const {
    return !AtEnd() && std::isalpha(static_cast<unsigned char>(text_[pos_]));
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Years of one or two digits fall in 1930..2029, as the runtime reads them.
int WindowYear(Number year) {
  if (year.digits > 2) return year.value;
  return year.value < 30 ? 2000 + year.value : 1900 + year.value;
}

std::optional<int> MonthFromName(std::string_view word) {
  static constexpr std::array<std::string_view, 12> kNames{
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  for (std::size_t m = 0; m < kNames.size(); ++m) {
    const bool abbreviation = word.size() == 3 && vb::EqualsText(word, kNames[m].substr(0, 3));
    if (abbreviation || vb::EqualsText(word, kNames[m])) return static_cast<int>(m + 1);
  }
  return std::nullopt;
}

// Separator between the parts of a date: '/', '-' or, next to a month
// name, blanks.
bool SkipDateSeparator(Scanner& s, bool allowBlanks) {
  if (s.Skip('/') || s.Skip('-')) return true;
  return allowBlanks && s.SkipBlanks();
}

bool SetDate(DateParts& p, int year, int month, int day) {
  p.year = year;
  p.month = month;
  p.day = day;
  return true;
}

// D-Mon-Y, D Mon Y
bool ReadDayMonthName(Scanner& s, Number day, DateParts& p) {
  const auto month = MonthFromName(s.ReadWord());
  if (day.digits > 2 || !month) return false;
  s.Skip(',');
  if (!SkipDateSeparator(s, true)) return false;
  const auto year = s.ReadNumber();
  return year && SetDate(p, WindowYear(*year), *month, day.value);
}

// Mon D, Y
bool ReadMonthNameDay(Scanner& s, DateParts& p) {
  const auto month = MonthFromName(s.ReadWord());
  if (!month || !SkipDateSeparator(s, true)) return false;
  const auto day = s.ReadNumber(2);
  if (!day) return false;
  s.Skip(',');
  if (!SkipDateSeparator(s, true)) return false;
  const auto year = s.ReadNumber();
  return year && SetDate(p, WindowYear(*year), *month, day->value);
}

// Y-M-D when the first number has four digits, M/D/Y otherwise; a first
// number that cannot be a month but can be a day makes D/M/Y.
bool ReadNumericDate(Scanner& s, Number first, DateParts& p) {
  const auto second = s.ReadNumber(2);
  if (!second || !SkipDateSeparator(s, false)) return false;
  const auto third = s.ReadNumber();
  if (!third) return false;
  if (first.digits == 4) return SetDate(p, first.value, second->value, third->value);
  if (first.digits > 2) return false;
  const int year = WindowYear(*third);
  if (first.value > 12 && second->value <= 12) {
    return SetDate(p, year, second->value, first.value);
  }
  return SetDate(p, year, first.value, second->value);
}

bool ReadDate(Scanner& s, DateParts& p) {
  if (s.PeekAlpha()) return ReadMonthNameDay(s, p);
  const auto first = s.ReadNumber();
  if (!first) return false;
  const bool dashOrSlash = s.Skip('/') || s.Skip('-');
  if (!dashOrSlash && !s.SkipBlanks()) return false;
  if (s.PeekAlpha()) return ReadDayMonthName(s, *first, p);
  return dashOrSlash && ReadNumericDate(s, *first, p);
}

// "AM"/"PM" (or "A"/"P") turn a 12-hour clock into the 24-hour one; an hour
// past 12 is taken as it is, as the runtime does.
bool ApplyMeridiem(Scanner& s, DateParts& p) {
  const auto before = s.Position();
  s.SkipBlanks();
  const std::string word = s.ReadWord();
  if (word.empty()) {
    s.Rewind(before);
    return true;
  }
  const bool am = vb::EqualsText(word, "AM") || vb::EqualsText(word, "A");
  const bool pm = vb::EqualsText(word, "PM") || vb::EqualsText(word, "P");
  if (!am && !pm) return false;
  if (p.hour <= 12) p.hour = p.hour % 12 + (pm ? 12 : 0);
  return true;
}

// An hour alone needs AM or PM after it ("6 PM").
bool ReadHourWithMeridiem(Scanner& s, DateParts& p) {
  const auto before = s.Position();
  s.SkipBlanks();
  const bool word = s.PeekAlpha();
  s.Rewind(before);
  return word && ApplyMeridiem(s, p);
}

// h:mm[:ss] [AM|PM], h AM|PM
bool ReadTime(Scanner& s, DateParts& p) {
  const auto hour = s.ReadNumber(2);
  if (!hour) return false;
  p.hour = hour->value;
  p.minute = 0;
  p.second = 0;
  if (!s.Skip(':')) return ReadHourWithMeridiem(s, p);
  const auto minute = s.ReadNumber(2);
  if (!minute) return false;
  p.minute = minute->value;
  if (s.Skip(':')) {
    const auto second = s.ReadNumber(2);
    if (!second) return false;
    p.second = second->value;
  }
  return ApplyMeridiem(s, p);
}

bool ReadDateTime(Scanner& s, DateParts& p) {
  if (!ReadDate(s, p)) {
    s.Rewind(0);
    p = DateParts{};
    return ReadTime(s, p);
  }
  if (s.AtEnd()) return true;
  if (!s.Skip('T') && !s.SkipBlanks()) return false;
  return ReadTime(s, p);
}

}  // namespace

std::optional<DateValue> ParseDate(std::string_view text) {
  const std::string trimmed = vb::Trim(text);
  Scanner s(trimmed);
  DateParts parts;
  if (!ReadDateTime(s, parts)) return std::nullopt;
  s.SkipBlanks();
  if (!s.AtEnd()) return std::nullopt;
  return MakeDate(parts);
}

}  // namespace velkor
