// The trace-info document: ReadXML parses it into gTraces, WriteXML
// serializes gTraces back.
//
//   <traceinfo><trace1><TraceName>...</TraceName>...</trace1>...</traceinfo>
//
// Neither the root's name nor the record elements' names are examined when
// reading; field element names are matched case-sensitively.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velkor {

// More record elements than a 16-bit TraceOrder can address are refused.
inline constexpr std::int32_t kMaxTraceRecords = 32767;

enum class ParseOutcome {
  // Every record of the document was read (an empty text reads as no records).
  Complete,
  // An error ended the parse and was reported; records after the failing
  // field are empty or missing.
  Partial,
  // The text is not a well-formed document; gTraces holds no records. No
  // error is reported.
  NotXml,
};

// Only a complete parse may be serialized back over the text it came from:
// writing back after any other outcome would drop the trace descriptions the
// parse did not reach.
inline bool MayWriteBack(ParseOutcome outcome) {
  return outcome == ParseOutcome::Complete;
}

// Parses `xml` into gTraces, replacing its previous content. A missing node
// (the first child of an empty element, the root of a text that did not
// parse) leaves its step without effect; any other error (a TraceOrder or
// qsIndex that is no number or outside 16 bits, more than kMaxTraceRecords
// records) ends the parse and is reported as "ReadXML", the records read so
// far staying in gTraces.
ParseOutcome ReadXML(std::string_view xml);

// Serializes records 1 to TracesUBound() of gTraces: no declaration, no
// indentation, no trailing line break. A failure is reported as "WriteXML"
// and gives "".
std::string WriteXML();

}  // namespace velkor
