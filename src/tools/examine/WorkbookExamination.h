// What a saved workbook holds for each trend control: its persisted
// properties, its trace records, and what does not fit together (a document
// that does not read, a chart or data control named but absent).
#pragma once

#include <string>
#include <vector>

#include "platform/Variant.h"
#include "standins/MemoryLogSink.h"
#include "standins/host/WorkbookData.h"
#include "tools/examine/PersistedKeys.h"
#include "tools/examine/TraceTable.h"

namespace velkor::sim::inspect {

struct PropertyRow {
  std::string key;
  KeyType type = KeyType::String;
  Variant value;        // as stored, or the value an absent key reads as
  bool stored = false;  // the file holds the key
  bool isDefault = true;
};

// One thing that does not fit together. `code` and `key` are stable names
// for programs (inspect --json); `message` is the sentence for people.
struct Problem {
  std::string code;  // such as "missing-object"
  std::string key;   // the persisted key concerned
  std::string message;
  int trace = 0;  // the trace record concerned (from 1); 0: none
};

struct ControlInspection {
  std::string sheet;
  std::string name;
  std::vector<PropertyRow> properties;  // the known keys in written order
  std::vector<std::pair<std::string, Variant>> unknownKeys;
  TraceTable traces;
  std::vector<Problem> problems;
};

// Every trend control of the workbook, sheet by sheet in z-order. `log` is
// the sink of the installed services (reading the trace records reports to it).
std::vector<ControlInspection> InspectWorkbook(const WorkbookData& book, const MemoryLogSink& log);

// A value as a person reads it: text as it is, anything else in its file form.
std::string ShowValue(const Variant& value);

}  // namespace velkor::sim::inspect
