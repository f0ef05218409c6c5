#include "model/LastDocument.h"

#include <vector>

#include "model/TraceFields.h"
#include "model/Traces.h"

namespace velkor {

namespace {

struct LastDocument {
  bool held = false;
  std::string text;
  std::vector<TraceOrder> records;  // as gTraces, index 0 included
};

thread_local LastDocument tLast;

// What the parser makes of a written field: the writer stops at a null
// character, and text of blanks, tabs and line feeds alone is white space
// between elements to the parser.
void AsRead(std::string& value) {
  value.resize(value.find('\0') == std::string::npos ? value.size() : value.find('\0'));
  if (value.find_first_not_of(" \t\n") == std::string::npos) value.clear();
}

void Keep(std::string_view xml) {
  tLast.text.assign(xml);
  tLast.records = gTraces;
  tLast.held = true;
}

}  // namespace

bool TakeLastDocument(std::string_view xml) {
  if (!tLast.held || xml != tLast.text) return false;
  // The caller may have changed the records since, or read another document.
  if (gTraces != tLast.records) gTraces = tLast.records;
  return true;
}

void KeepReadDocument(std::string_view xml) {
  Keep(xml);
}

void KeepWrittenDocument(std::string_view xml) {
  Keep(xml);
  if (tLast.records.empty()) tLast.records.resize(1);
  tLast.records[0] = TraceOrder{};
  for (auto& record : tLast.records)
    for (const auto& field : TraceFieldsInLayoutOrder())
      if (const auto* text = std::get_if<std::string TraceOrder::*>(&field.member))
        AsRead(record.**text);
}

void ForgetLastDocument() {
  tLast.held = false;
}

}  // namespace velkor
