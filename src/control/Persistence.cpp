// The control's persisted property set: what the container writes when it
// saves the workbook and reads back when it loads it.
#include <cstdint>
#include <optional>

#include "control/ExcelTrendWizard.h"
#include "control/HostBinding.h"
#include "control/TrendOptions.h"
#include "platform/Conversions.h"
#include "platform/host/Application.h"
#include "platform/host/HostConstants.h"
#include "platform/host/LanguageSettings.h"
#include "support/ErrorHandling.h"
#include "support/Language.h"

namespace velkor {

namespace {

using C = ExcelTrendWizard;
constexpr std::int32_t kDefaultTitleId = 50152;

// Keys 1 to 18 of the saved format, in the order they are written. Only the
// WizardControlName key reads back with a default other than its write
// default, so a saved "ExcelTrendWizard1" comes back as "ExcelTrendwizard1".
template <class Field>
struct Key {
  const char* name;
  Field C::*field;
  Field writeDefault;
};

const Key<std::string> kNameKeys[] = {
    {"WizardControlName", &C::WizardControlName, "ExcelTrendWizard1"},
    {"TrendName", &C::TrendName, ""},
    {"ExcelDcName", &C::ExcelDcName, ""},
    {"ZaltArcDCName", &C::ZaltArcDCName, ""},
    {"TrendSheetName", &C::TrendSheetName, ""},
};
constexpr const char* kReadDefaultOfWizardControlName = "ExcelTrendwizard1";

const Key<bool> kSourceFlagKeys[] = {
    {"bZaltArcDCRemoved", &C::bZaltArcDCRemoved, false},
    {"bExcelDCRemoved", &C::bExcelDCRemoved, false},
    {"bExcelDcConnected", &C::ExcelDCConnected, false},
    {"bZaltArcDcConnected", &C::ZaltArcDCConnected, false},
};
const Key<Variant> kTimeKeys[] = {
    {"strStartTime", &C::strStartTime, Variant("")},
    {"strEndTime", &C::strEndTime, Variant("")},
};
const Key<bool> kToggleKeys[] = {
    {"tglStartTime", &C::tglStartTime, false},
    {"tglEndTime", &C::tglEndTime, false},
};
const Key<std::string> kTimeCellKeys[] = {
    {"strtxtStartTime", &C::strtxtStartTime, ""},
    {"strtxtEndTime", &C::strtxtEndTime, ""},
};
const Key<bool> kFirstSetTimeKey{"bFirstSetTime", &C::bFirstSetTime, true};
const Key<std::string> kPositionKey{"TrendPosition", &C::TrendPosition, "$A$1"};
const Key<std::string> kTraceInfoKey{"TraceInfoXML", &C::TraceInfo, ""};
constexpr const char* kTitleKey = "TrendTitle";

template <class Field>
void Write(host::PropertyBag& bag, const C& c, const Key<Field>& key) {
  bag.WriteProperty(key.name, Variant(c.*key.field), Variant(key.writeDefault));
}
template <class Field, std::size_t N>
void WriteAll(host::PropertyBag& bag, const C& c, const Key<Field> (&keys)[N]) {
  for (const auto& key : keys) Write(bag, c, key);
}

void Read(host::PropertyBag& bag, C& c, const Key<std::string>& key, const char* readDefault) {
  c.*key.field = CStr(bag.ReadProperty(key.name, Variant(readDefault)));
}
void Read(host::PropertyBag& bag, C& c, const Key<std::string>& key) {
  Read(bag, c, key, key.writeDefault.c_str());
}
void Read(host::PropertyBag& bag, C& c, const Key<bool>& key) {
  c.*key.field = CBool(bag.ReadProperty(key.name, Variant(key.writeDefault)));
}
void Read(host::PropertyBag& bag, C& c, const Key<Variant>& key) {
  c.*key.field = bag.ReadProperty(key.name, key.writeDefault);
}

// The host's user-interface language as decimal text, or "" when the host
// offers none.
std::string HostLanguage(host::Application& app) {
  auto settings = app.LanguageSettings();
  if (!settings) return "";
  return CStr(Variant(settings->LanguageID(host::kMsoLanguageIdUI)));
}

}  // namespace

void ExcelTrendWizard::WriteProperties(host::PropertyBag& bag) {
  RunReported(" UserControl_WriteProperties", [&] {
    WriteAll(bag, *this, kNameKeys);
    WriteAll(bag, *this, kSourceFlagKeys);
    WriteAll(bag, *this, kTimeKeys);
    WriteAll(bag, *this, kToggleKeys);
    WriteAll(bag, *this, kTimeCellKeys);
    Write(bag, *this, kFirstSetTimeKey);
    Write(bag, *this, kPositionKey);
    Write(bag, *this, kTraceInfoKey);
    LoadLanguage(LanguageID);
    const std::string title = TrendTitle(*this);
    bag.WriteProperty(kTitleKey, Variant(title), Variant(GetString(kDefaultTitleId)));
  });
}

// Keys 1 to 18 in read order. A key that fails to read does not stop the
// others: a field left at its creation value would be written over the
// saved one at the next save, losing it for good.
static void ReadKeys(host::PropertyBag& bag, ExcelTrendWizard& c) {
  std::optional<VbError> first;
  const auto read = [&](auto&& readKey) {
    try {
      readKey();
    } catch (...) {
      if (!first) first = CurrentError();
    }
  };
  read([&] { Read(bag, c, kNameKeys[0], kReadDefaultOfWizardControlName); });
  for (std::size_t i = 1; i < std::size(kNameKeys); ++i) read([&] { Read(bag, c, kNameKeys[i]); });
  read([&] { Read(bag, c, kSourceFlagKeys[1]); });  // the two "removed" flags read in reverse
  read([&] { Read(bag, c, kSourceFlagKeys[0]); });
  read([&] { Read(bag, c, kSourceFlagKeys[2]); });
  read([&] { Read(bag, c, kSourceFlagKeys[3]); });
  for (const auto& key : kTimeKeys) read([&] { Read(bag, c, key); });
  for (const auto& key : kToggleKeys) read([&] { Read(bag, c, key); });
  for (const auto& key : kTimeCellKeys) read([&] { Read(bag, c, key); });
  read([&] { Read(bag, c, kFirstSetTimeKey); });
  read([&] { Read(bag, c, kPositionKey); });
  read([&] { Read(bag, c, kTraceInfoKey); });
  if (first) throw *first;
}

void ExcelTrendWizard::ReadProperties(host::PropertyBag& bag) {
  RunReported(" UserControl_ReadProperties", [&] {
    ReadKeys(bag, *this);
    LoadLanguage(LanguageID);
    let_TrendTitle(*this, CStr(bag.ReadProperty(kTitleKey, Variant(GetString(kDefaultTitleId)))));
    gAppExcelEvents.Assign(ApplicationOf(Deref(site_).Parent()));
    if (gAppExcelEvents) {
      const std::string hostLanguage = HostLanguage(*gAppExcelEvents.get());
      if (!hostLanguage.empty() && hostLanguage != LanguageID) let_LanguageID(hostLanguage);
    }
    m_sPendingTitle = "";
    m_bValueAttributes = true;
    m_bTitlePending = StartGroupedChange = m_bValueAttributesPending = false;
  });
}

}  // namespace velkor
