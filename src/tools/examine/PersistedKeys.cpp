#include "tools/examine/PersistedKeys.h"

#include <string>
#include <vector>

#include "support/StringTable.h"

namespace velkor::sim::inspect {

namespace {

// The own table's default trend title.
constexpr std::int32_t kDefaultTitleId = 50152;

std::vector<PersistedKey> MakeKeys() {
  using K = KeyType;
  const Variant empty{std::string()};
  return {
      // The control reads this key with a lower-case "w" when it is absent.
      {"WizardControlName", K::String, Variant(std::string("ExcelTrendwizard1"))},
      {"TrendName", K::String, empty},
      {"ExcelDcName", K::String, empty},
      {"ZaltArcDCName", K::String, empty},
      {"TrendSheetName", K::String, empty},
      {"bZaltArcDCRemoved", K::Boolean, Variant(false)},
      {"bExcelDCRemoved", K::Boolean, Variant(false)},
      {"bExcelDcConnected", K::Boolean, Variant(false)},
      {"bZaltArcDcConnected", K::Boolean, Variant(false)},
      {"strStartTime", K::Variant, empty},
      {"strEndTime", K::Variant, empty},
      {"tglStartTime", K::Boolean, Variant(false)},
      {"tglEndTime", K::Boolean, Variant(false)},
      {"strtxtStartTime", K::String, empty},
      {"strtxtEndTime", K::String, empty},
      {"bFirstSetTime", K::Boolean, Variant(true)},
      {"TrendPosition", K::String, Variant(std::string("$A$1"))},
      {"TraceInfoXML", K::String, empty},
      {"TrendTitle", K::String, Variant(std::string(OwnString(kDefaultTitleId)))},
  };
}

}  // namespace

std::span<const PersistedKey> ControlPersistedKeys() {
  static const std::vector<PersistedKey> keys = MakeKeys();
  return keys;
}

std::string_view KeyTypeName(KeyType type) {
  switch (type) {
    case KeyType::String:
      return "String";
    case KeyType::Boolean:
      return "Boolean";
    case KeyType::Variant:
      return "Variant";
  }
  return "?";
}

}  // namespace velkor::sim::inspect
