#include "sync/ArchiveTraces.h"

#include <array>

#include "control/ControlEnums.h"
#include "control/ExcelTrendWizard.h"
#include "control/components/QueryObject.h"
#include "control/components/QuerySpec.h"
#include "control/components/QuerySpecAttribute.h"
#include "control/components/QuerySpecAttributes.h"
#include "control/components/QuerySpecs.h"
#include "model/Traces.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbString.h"
#include "support/ErrorHandling.h"
#include "trend/QuerySpecs.h"
#include "trend/TimeRange.h"

namespace velkor {

namespace {

// One name of a trace (its tag or its server) and what the event made of it.
struct NamePart {
  std::string text;
  bool changed = false;
  bool invalid = false;
};

std::string TraceNameOf(const std::string& server, const std::string& tag) {
  return "\\\\" + server + "\\" + tag;
}

// Steps 2 and 3: the cell, when the event covers it, against the stored name.
NamePart ReadNameCell(const ExcelTrendWizard& c, const CellScope& scope, const std::string& cell,
                      const std::string& stored) {
  NamePart part;
  if (cell.empty()) return part;
  const CellRead read = scope.Read(c, cell);
  if (read.kind == CellRead::Kind::NotFollowed) return part;
  if (read.kind == CellRead::Kind::Value) TryStep([&] { part.text = vb::Trim(CStr(read.value)); });
  if (read.kind == CellRead::Kind::Value && vb::EqualsText(part.text, stored)) return part;
  if (part.text.empty()) {
    part.invalid = true;
  } else {
    part.changed = true;
  }
  return part;
}

// Step 4.1 and 4.2: the half the event did not change comes from its cell,
// wherever that lies, or from the record.
void CompleteName(const ExcelTrendWizard& c, NamePart& part, const std::string& cell,
                  const std::string& stored) {
  if (part.changed) return;
  if (cell.empty()) {
    part.text = stored;
  } else {
    const CellRead read = ReadAnywhere(c, cell);
    if (read.kind != CellRead::Kind::Value) part.invalid = true;
    TryStep([&] { part.text = CStr(read.value); });
  }
  part.text = vb::Trim(part.text);
  if (part.text.empty()) part.invalid = true;
}

enum class SpecPresence { Held, Missing, Unknown };

// Whether the archive data control holds a specification of that name;
// Unknown when its collection cannot be asked.
SpecPresence ArchiveSpecPresence(ExcelTrendWizard& c, const std::string& name) {
  try {
    Deref(Deref(Deref(ZaltQueryObject(c)).QuerySpecs()).Item(Variant(name)));
    return SpecPresence::Held;
  } catch (...) {
    return CurrentError().number() == err::kSpecNotHeld ? SpecPresence::Missing
                                                        : SpecPresence::Unknown;
  }
}

// ZaltAddQuerySpec raises only for a duplicate name and reports other
// failures itself, so the new query specification is looked up by name
// afterwards. Only one known to be missing counts as not added: a collection that fails to
// answer once must not bring the old query back beside the new one.
bool AddArchiveSpec(ExcelTrendWizard& c, std::string server, std::string tag) {
  const std::string name = TraceNameOf(server, tag);
  if (!TryStep(
          [&] { ZaltAddQuerySpec(c, server, tag, Variant("*-8H"), Variant("*"), Variant("")); }))
    return false;
  return ArchiveSpecPresence(c, name) != SpecPresence::Missing;
}

// The cell links go to the query specification of that server and tag,
// found by name.
void WriteCellAttributes(ExcelTrendWizard& c, const TraceOrder& record, const std::string& server,
                         const std::string& tag) {
  TryStep([&] {
    const auto specs = Deref(ZaltQueryObject(c)).QuerySpecs();
    const auto list = Deref(Deref(specs).Item(Variant(TraceNameOf(server, tag)))).Attributes();
    auto& attributes = Deref(list);
    attributes.Add(kzwServerNameCell, record.ServerNameCell);
    attributes.Add(kzwTagNameCell, record.TagNameCell);
    attributes.Add(kzwServerName, server);
    attributes.Add(kzwTagName, tag);
  });
}

// The re-added query's trace stands last in the chart; this order takes it
// back to the record's place.
void OrderWithTraceMovedTo(SyncEvent& event, std::int32_t ord) {
  for (std::int32_t k = 1; k <= event.n; ++k)
    event.order[static_cast<std::size_t>(k - 1)] = k < ord ? k : k == ord ? event.n : k - 1;
}

// Step 4.3. When the new query cannot be added (a duplicate name, a failing
// data control) the old one is put back in its place, so that the trace
// never silently drops out of the chart while its record stays.
void ReplaceArchiveQuery(ExcelTrendWizard& c, TraceOrder& record, const std::string& server,
                         const std::string& tag, SyncEvent& event) {
  const std::int16_t qs = record.qsIndex;
  const std::int16_t ord = record.TraceOrder;
  bool temporary = true;
  TryStep([&] { ZaltGetTimeRange(c, temporary, event.StartTime, event.EndTime); });
  TryStep([&] { Deref(Deref(ZaltQueryObject(c)).QuerySpecs()).Remove(record.TraceName); });
  const bool replaced = AddArchiveSpec(c, server, tag);
  if (!replaced && !AddArchiveSpec(c, record.ServerName, record.TagName)) return;
  bool saved = false;
  TryStep([&] { ZaltSetTimeRange(c, saved, event.StartTime, event.EndTime); });
  if (replaced) {
    WriteCellAttributes(c, record, server, tag);
    record.ServerName = server;
    record.TagName = tag;
    record.qsIndex = qs;
    record.TraceOrder = ord;
    record.TraceName = TraceNameOf(server, tag);
  } else {
    WriteCellAttributes(c, record, record.ServerName, record.TagName);
  }
  OrderWithTraceMovedTo(event, ord);
  event.refresh = true;
}

void UpdateArchiveTrace(ExcelTrendWizard& c, const CellScope& scope, TraceOrder& record,
                        SyncEvent& event) {
  NamePart tag = ReadNameCell(c, scope, record.TagNameCell, record.TagName);
  NamePart server = ReadNameCell(c, scope, record.ServerNameCell, record.ServerName);
  if (!(tag.changed || server.changed) || tag.invalid || server.invalid) return;
  CompleteName(c, server, record.ServerNameCell, record.ServerName);
  CompleteName(c, tag, record.TagNameCell, record.TagName);
  if (tag.invalid || server.invalid) return;
  ReplaceArchiveQuery(c, record, server.text, tag.text, event);
}

}  // namespace

void UpdateArchiveTraces(ExcelTrendWizard& c, const CellScope& scope, SyncEvent& event) {
  for (std::int32_t i = 1; i <= event.n; ++i)
    UpdateArchiveTrace(c, scope, gTraces[static_cast<std::size_t>(i)], event);
}

}  // namespace velkor
