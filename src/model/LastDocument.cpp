#include "model/LastDocument.h"

#include <algorithm>
#include <vector>

#include "model/TraceFields.h"
#include "model/Traces.h"

namespace velkor {

namespace {

struct KeptDocument {
  std::string text;
  std::vector<TraceOrder> records;  // as gTraces, index 0 included
};

// Most recent first. Every open trend handles every event, so a session
// with several trends reads their documents in turn: a few are kept, as
// long as their texts together stay small; the one kept last always stays.
constexpr std::size_t kKept = 4;
constexpr std::size_t kKeptBytes = 8 << 20;
thread_local std::vector<KeptDocument> tKept;

// Moves entry `i` to the front.
void ToFront(std::size_t i) {
  std::rotate(tKept.begin(), tKept.begin() + static_cast<std::ptrdiff_t>(i),
              tKept.begin() + static_cast<std::ptrdiff_t>(i) + 1);
}

// What the parser makes of a written field: the writer stops at a null
// character, and text of blanks, tabs and line feeds alone is white space
// between elements to the parser.
void AsRead(std::string& value) {
  value.resize(value.find('\0') == std::string::npos ? value.size() : value.find('\0'));
  if (value.find_first_not_of(" \t\n") == std::string::npos) value.clear();
}

std::size_t KeptBytes() {
  std::size_t bytes = 0;
  for (const auto& kept : tKept) bytes += kept.text.size();
  return bytes;
}

// The front entry, holding `xml` and gTraces. A new document takes a new
// entry while they stay few and small, else the oldest one's storage.
KeptDocument& Keep(std::string_view xml) {
  auto entry = std::find_if(tKept.begin(), tKept.end(),
                            [&](const KeptDocument& kept) { return kept.text == xml; });
  if (entry == tKept.end()) {
    const bool fits = tKept.size() < kKept && KeptBytes() + xml.size() <= kKeptBytes;
    entry = tKept.empty() || fits ? tKept.emplace(tKept.end()) : tKept.end() - 1;
  }
  ToFront(static_cast<std::size_t>(entry - tKept.begin()));
  KeptDocument& kept = tKept.front();
  kept.text.assign(xml);
  kept.records = gTraces;
  while (tKept.size() > 1 && KeptBytes() > kKeptBytes) tKept.pop_back();
  return kept;
}

}  // namespace

bool TakeLastDocument(std::string_view xml) {
  auto kept = std::find_if(tKept.begin(), tKept.end(),
                           [&](const KeptDocument& k) { return k.text == xml; });
  if (kept == tKept.end()) return false;
  ToFront(static_cast<std::size_t>(kept - tKept.begin()));
  // The caller may have changed the records since, or read another document.
  if (gTraces != tKept.front().records) gTraces = tKept.front().records;
  return true;
}

void KeepReadDocument(std::string_view xml) {
  Keep(xml);
}

void KeepWrittenDocument(std::string_view xml) {
  auto& records = Keep(xml).records;
  if (records.empty()) records.resize(1);
  records[0] = TraceOrder{};
  for (auto& record : records)
    for (const auto& field : TraceFieldsInLayoutOrder())
      if (const auto* text = std::get_if<std::string TraceOrder::*>(&field.member))
        AsRead(record.**text);
}

void ForgetLastDocument() {
  tKept.clear();
}

}  // namespace velkor
