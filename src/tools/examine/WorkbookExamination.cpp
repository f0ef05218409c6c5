#include "tools/examine/WorkbookExamination.h"

#include <algorithm>
#include <optional>

#include "control/components/ProgIds.h"
#include "model/TraceFields.h"
#include "platform/Conversions.h"
#include "platform/VbString.h"
#include "standins/SimServices.h"
#include "standins/host/VariantJson.h"

namespace velkor::sim::inspect {

namespace {

struct PlacedObject {
  const SheetData* sheet;
  const OleObjectData* object;
};

bool SameName(std::string_view a, std::string_view b) {
  return vb::UCase(a) == vb::UCase(b);
}

std::optional<PlacedObject> FindObject(const WorkbookData& book, std::string_view name) {
  for (const auto& sheet : book.sheets)
    for (const auto& object : sheet.objects)
      if (SameName(object.name, name)) return PlacedObject{&sheet, &object};
  return std::nullopt;
}

const Variant* Stored(const PropertyList& properties, std::string_view key) {
  for (const auto& [name, value] : properties)
    if (SameName(name, key)) return &value;
  return nullptr;
}

bool SameValue(const Variant& a, const Variant& b) {
  try {
    return EncodeValue(a) == EncodeValue(b);
  } catch (...) {
    return false;
  }
}

// Whether the control's read of the key would fail on this value.
bool Readable(const Variant& value, KeyType type) {
  try {
    if (type == KeyType::String) CStr(value);
    if (type == KeyType::Boolean) CBool(value);
    return true;
  } catch (...) {
    return false;
  }
}

std::string Text(const ControlInspection& c, std::string_view key) {
  for (const auto& row : c.properties)
    if (row.key == key && row.value.IsString()) return row.value.AsString();
  return {};
}

bool Flag(const ControlInspection& c, std::string_view key) {
  for (const auto& row : c.properties)
    if (row.key == key) return Readable(row.value, KeyType::Boolean) && CBool(row.value);
  return false;
}

void ReadProperties(const OleObjectData& object, ControlInspection& out) {
  for (const auto& key : ControlPersistedKeys()) {
    const Variant* stored = Stored(object.properties, key.name);
    PropertyRow row{std::string(key.name), key.type, stored ? *stored : key.readDefault,
                    stored != nullptr, true};
    row.isDefault = !stored || SameValue(*stored, key.readDefault);
    if (!Readable(row.value, key.type))
      out.problems.push_back({"wrong-type", row.key,
                              row.key + ": " + ShowValue(row.value) + " cannot be read as " +
                                  std::string(KeyTypeName(key.type))});
    out.properties.push_back(std::move(row));
  }
  for (const auto& property : object.properties) {
    const auto& [name, value] = property;
    const auto keys = ControlPersistedKeys();
    if (std::none_of(keys.begin(), keys.end(),
                     [&](const auto& k) { return SameName(k.name, property.first); })) {
      out.unknownKeys.emplace_back(name, value);
      out.problems.push_back(
          {"unknown-key", name, "unknown key " + name + " (the control ignores it)"});
    }
  }
}

void CheckNamed(const WorkbookData& book, ControlInspection& out, std::string_view key,
                std::string_view progId, std::string_view what) {
  const std::string name = Text(out, key);
  if (name.empty()) return;
  const auto found = FindObject(book, name);
  const std::string named = std::string(key) + " names '" + name + "'";
  if (!found) {
    out.problems.push_back(
        {"missing-object", std::string(key),
         named + ", but the workbook has no " + std::string(what) + " of that name"});
  } else if (found->object->progId != progId) {
    out.problems.push_back(
        {"wrong-class", std::string(key),
         named + ", which is a " + found->object->progId + ", not a " + std::string(what)});
  }
}

void CheckChartSheet(const WorkbookData& book, ControlInspection& out) {
  const std::string sheet = Text(out, "TrendSheetName");
  const auto found = FindObject(book, Text(out, "TrendName"));
  if (sheet.empty() || !found || SameName(found->sheet->name, sheet)) return;
  out.problems.push_back({"chart-on-other-sheet", "TrendSheetName",
                          "the chart '" + found->object->name + "' is on sheet '" +
                              found->sheet->name + "', but TrendSheetName is '" + sheet + "'"});
}

void CheckTraces(const WorkbookData& book, ControlInspection& out) {
  const TraceTable& traces = out.traces;
  if (traces.outcome == ParseOutcome::NotXml)
    out.problems.push_back({"trace-info-not-xml", "TraceInfoXML",
                            "TraceInfoXML is not well-formed XML: the control reads no traces"});
  if (traces.outcome == ParseOutcome::Partial)
    out.problems.push_back(
        {"trace-info-partial", "TraceInfoXML",
         "TraceInfoXML: reading stopped at an error; later records are incomplete"});
  for (const auto& report : traces.reports)
    out.problems.push_back({"trace-info-report", "TraceInfoXML", "TraceInfoXML: " + report});
  const auto column = std::find(traces.columns.begin(), traces.columns.end(), "DataSourceName");
  const auto index = static_cast<std::size_t>(column - traces.columns.begin());
  for (std::size_t i = 0; i < traces.rows.size(); ++i) {
    const std::string& source = traces.rows[i][index];
    if (!source.empty() && !FindObject(book, vb::Trim(source)))
      out.problems.push_back({"missing-data-source", "TraceInfoXML",
                              "trace " + std::to_string(i + 1) + ": DataSourceName '" + source +
                                  "' is not in the workbook",
                              static_cast<int>(i + 1)});
  }
}

ControlInspection InspectControl(const WorkbookData& book, const SheetData& sheet,
                                 const OleObjectData& object, const MemoryLogSink& log) {
  ControlInspection out{sheet.name, object.name, {}, {}, {}, {}};
  ReadProperties(object, out);
  out.traces = ReadTraceTable(Text(out, "TraceInfoXML"), log);
  CheckNamed(book, out, "TrendName", component::kTrendChartProgId, "trend chart");
  CheckChartSheet(book, out);
  if (!Flag(out, "bZaltArcDCRemoved"))
    CheckNamed(book, out, "ZaltArcDCName", component::kArchiveDataProgId, "archive data control");
  if (!Flag(out, "bExcelDCRemoved"))
    CheckNamed(book, out, "ExcelDcName", component::kExcelDataProgId, "worksheet data control");
  CheckTraces(book, out);
  return out;
}

}  // namespace

std::string ShowValue(const Variant& value) {
  if (value.IsString()) return value.AsString();
  try {
    return EncodeValue(value).dump();
  } catch (...) {
    return "(" + std::string(value.IsObject() ? "object" : "unstorable value") + ")";
  }
}

std::vector<ControlInspection> InspectWorkbook(const WorkbookData& book, const MemoryLogSink& log) {
  std::vector<ControlInspection> controls;
  for (const auto& sheet : book.sheets)
    for (const auto& object : sheet.objects)
      if (object.progId == kExcelTrendWizardProgId)
        controls.push_back(InspectControl(book, sheet, object, log));
  return controls;
}

}  // namespace velkor::sim::inspect
