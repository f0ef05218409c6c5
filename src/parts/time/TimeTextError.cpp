#include "parts/time/TimeTextError.h"

#include <string>

#include "platform/ErrorNumbers.h"

namespace velkor::sim::timetext {

namespace {

// Long texts are cut so that a message stays readable in a message box.
constexpr std::size_t kMaxQuoted = 80;

std::string_view Shorten(std::string_view text) {
  if (text.size() <= kMaxQuoted) return text;
  std::size_t cut = kMaxQuoted;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return text.substr(0, cut);
}

std::string Describe(std::string_view text, std::string_view reason) {
  std::string out = "Invalid time \"";
  out.append(Shorten(text));
  if (text.size() > kMaxQuoted) out.append("...");
  out.append("\": ").append(reason);
  return out;
}

}  // namespace

void RaiseBadTime(std::string_view text, std::string_view reason) {
  throw VbError(err::kTypeMismatch, Describe(text, reason));
}

void RaiseTimeOutOfRange(std::string_view text) {
  throw VbError(err::kOverflow, Describe(text, "the date lies outside the years 100 to 9999"));
}

}  // namespace velkor::sim::timetext
