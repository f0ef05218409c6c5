#include "parts/time/TimeAnchor.h"

#include <algorithm>
#include <string>

#include "parts/time/DayCount.h"
#include "parts/time/TimeTokens.h"
#include "platform/Conversions.h"
#include "platform/VbString.h"

namespace velkor::sim::timetext {

namespace {

// No absolute date the runtime writes or reads is longer; the limit keeps
// the search for where the date ends linear in the length of the text.
constexpr std::size_t kMaxDateLength = 48;

std::optional<Anchor> ReadKeyword(std::string_view text, DateValue now) {
  const std::string_view word = WordAt(text, 0);
  const auto is = [&](std::string_view name) { return vb::EqualsText(word, name); };
  if (is("t") || is("today")) return Anchor{StartOfDay(now), word.size()};
  if (is("y") || is("yesterday")) return Anchor{AddDays(StartOfDay(now), -1.0), word.size()};
  return std::nullopt;
}

std::optional<DateValue> ReadSerial(std::string_view text) {
  const auto number = ReadDecimal(text, 0);
  if (!number || number->length != text.size()) return std::nullopt;
  return DateValue{number->value};
}

// ParseDate knows the ISO separator only as a capital T.
std::optional<DateValue> ReadDate(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](char c) { return c == 't' ? 'T' : c; });
  return ParseDate(upper);
}

std::optional<DateValue> ReadAbsolute(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  if (auto serial = ReadSerial(trimmed)) return serial;
  return ReadDate(trimmed);
}

// An absolute date may itself hold signs ("2026-12-07", "7-Dec-2026"), so
// the date ends at the last sign (or the end) that leaves a readable date
// in front of it; the offsets follow from there.
std::optional<Anchor> ReadAbsoluteAnchor(std::string_view text) {
  std::size_t end = std::min(text.size(), kMaxDateLength);
  for (;; --end) {
    if (end == text.size() || IsSign(text[end])) {
      if (auto date = ReadAbsolute(text.substr(0, end))) return Anchor{*date, end};
    }
    if (end == 0) return std::nullopt;
  }
}

}  // namespace

std::optional<Anchor> ReadAnchor(std::string_view text, DateValue now) {
  if (text.empty() || IsSign(text[0])) return Anchor{now, 0};
  if (text[0] == '*') return Anchor{now, 1};
  if (IsLetter(text[0])) {
    if (auto keyword = ReadKeyword(text, now)) return keyword;
  }
  return ReadAbsoluteAnchor(text);
}

}  // namespace velkor::sim::timetext
