#include <algorithm>
#include <pugixml.hpp>

#include "model/LastDocument.h"
#include "model/TraceFields.h"
#include "model/TraceInfoXml.h"
#include "model/Traces.h"
#include "model/XmlNodeText.h"
#include "model/XmlWellFormed.h"
#include "platform/ErrorNumbers.h"
#include "support/ErrorHandling.h"

namespace velkor {

namespace {

// Object not set and the component code 0x8004F002 leave the failing step
// without effect; every other error ends the parse.
template <class Step>
void RunStep(Step&& step) {
  try {
    step();
  } catch (const VbError& e) {
    if (e.number() != err::kObjectNotSet && e.number() != err::kComponentF002) throw;
  }
}

// A text node's value is its whole text: no copy needed to take it.
bool IsTextNode(pugi::xml_node node) {
  return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Step 1. The text is already decoded, so a declared encoding is ignored.
// Comments and processing instructions are not kept: they are no records.
// Null when the text is not a document.
pugi::xml_node LoadDocument(pugi::xml_document& doc, std::string_view xml) {
  const auto result = doc.load_buffer(xml.empty() ? "" : xml.data(), xml.size(),
                                      pugi::parse_default, pugi::encoding_utf8);
  if (result.status == pugi::status_out_of_memory) Raise(err::kOutOfMemory, "ReadXML");
  return result ? doc.document_element() : pugi::xml_node();
}

// Step 2, counting no further than one past what can be read.
std::int32_t CountRecords(pugi::xml_node root) {
  std::int32_t n = 0;
  for (auto node = root.first_child(); node && n <= kMaxTraceRecords; node = node.next_sibling())
    ++n;
  return n;
}

// One record: each child whose name is a field sets that field from the text
// of its own first child. An empty field element has no first child, which
// leaves the field as it was.
void ReadRecord(pugi::xml_node node, TraceOrder& record) {
  for (auto child = node.first_child(); child; child = child.next_sibling()) {
    const TraceField* field = FindTraceField(child.name());
    const pugi::xml_node first = child.first_child();
    if (!field || !first) continue;
    if (IsTextNode(first))
      RunStep([&] { SetFieldText(record, *field, first.value()); });
    else
      RunStep([&] { SetFieldText(record, *field, NodeText(first)); });
  }
}

// Step 4.
void ReadRecords(pugi::xml_node root) {
  std::int32_t i = 0;
  for (auto node = root.first_child(); node; node = node.next_sibling()) {
    if (i == kMaxTraceRecords) Raise(err::kOverflow, "ReadXML");
    ReadRecord(node, gTraces[static_cast<std::size_t>(++i)]);
  }
}

ParseOutcome ReadDocument(std::string_view xml) {
  pugi::xml_document doc;
  pugi::xml_node root;
  std::int32_t n = 0;
  try {
    // A blank text holds no records. The DOM reader below would take a text
    // that is not well-formed as far as it can; such a text holds none either.
    const bool blank = IsBlank(xml);
    if (blank || FindXmlFault(xml)) {
      ResetTraces(0);
      return blank ? ParseOutcome::Complete : ParseOutcome::NotXml;
    }
    root = LoadDocument(doc, xml);
    n = CountRecords(root);
  } catch (...) {
    // No failure leaves another document's records behind for the caller.
    ResetTraces(0);
    throw;
  }
  ResetTraces(std::min(n, kMaxTraceRecords));
  ReadRecords(root);
  return root ? ParseOutcome::Complete : ParseOutcome::NotXml;
}

}  // namespace

// Only a complete reading is kept: one that reported an error is repeated,
// report and all.
ParseOutcome ReadXML(std::string_view xml) {
  if (TakeLastDocument(xml)) return ParseOutcome::Complete;
  auto outcome = ParseOutcome::Partial;
  const bool read = RunReported("ReadXML", [&] { outcome = ReadDocument(xml); });
  if (read && outcome == ParseOutcome::Complete) KeepReadDocument(xml);
  return outcome;
}

}  // namespace velkor
