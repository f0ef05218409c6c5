#include "parts/render/Captions.h"

#include <cctype>
#include <charconv>

namespace velkor::sim {

namespace {

constexpr Captions kEnglish{"No data", "No valid time range", "Questionable", "Substituted",
                            "Annotated"};
constexpr Captions kGerman{"Keine Daten", "Kein gültiger Zeitbereich", "Fraglich", "Ersetzt",
                           "Kommentiert"};
constexpr Captions kFrench{"Aucune donnée", "Aucune plage de temps valide", "Douteuse",
                           "Substituée", "Annotée"};

constexpr unsigned kPrimaryLanguageMask = 0x3FF;
constexpr unsigned kGermanId = 0x07;
constexpr unsigned kFrenchId = 0x0C;

bool StartsWithTag(std::string_view language, std::string_view tag) {
  if (language.size() < tag.size()) return false;
  for (std::size_t i = 0; i < tag.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(language[i])) != tag[i]) return false;
  }
  return language.size() == tag.size() || language[tag.size()] == '-' ||
         language[tag.size()] == '_';
}

}  // namespace

const Captions& CaptionsFor(std::string_view language) {
  unsigned id = 0;
  const auto [end, ec] = std::from_chars(language.data(), language.data() + language.size(), id);
  if (ec == std::errc() && end == language.data() + language.size()) {
    const unsigned primary = id & kPrimaryLanguageMask;
    if (primary == kGermanId) return kGerman;
    if (primary == kFrenchId) return kFrench;
    return kEnglish;
  }
  if (StartsWithTag(language, "de")) return kGerman;
  if (StartsWithTag(language, "fr")) return kFrench;
  return kEnglish;
}

}  // namespace velkor::sim
