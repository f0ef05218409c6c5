#include <pugixml.hpp>
#include <string>

#include "model/TraceFields.h"
#include "model/TraceInfoXml.h"
#include "model/Traces.h"
#include "model/XmlStringWriter.h"
#include "platform/ErrorNumbers.h"
#include "support/ErrorHandling.h"

namespace velkor {

namespace {

// pugixml signals a failed allocation with a null node.
pugi::xml_node Checked(pugi::xml_node node) {
  if (!node) Raise(err::kOutOfMemory, "WriteXML");
  return node;
}

void AppendText(pugi::xml_node element, const std::string& value) {
  if (!Checked(element.append_child(pugi::node_pcdata)).set_value(value.c_str()))
    Raise(err::kOutOfMemory, "WriteXML");
}

void AppendRecord(pugi::xml_node root, std::int32_t index, const TraceOrder& record) {
  const auto name = "trace" + std::to_string(index);
  auto element = Checked(root.append_child(name.c_str()));
  for (const auto& field : TraceFieldsInWrittenOrder()) {
    const auto fieldElement = Checked(element.append_child(std::string(field.name).c_str()));
    AppendText(fieldElement, FieldText(record, field));
  }
}

std::string Serialize(const pugi::xml_document& doc) {
  XmlStringWriter writer;
  doc.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  return std::move(writer.text());
}

std::string SerializeTraces() {
  pugi::xml_document doc;
  auto root = Checked(doc.append_child("traceinfo"));
  for (std::int32_t i = 1; i <= TracesUBound(); ++i)
    AppendRecord(root, i, gTraces[static_cast<std::size_t>(i)]);
  return Serialize(doc);
}

}  // namespace

std::string WriteXML() {
  std::string text;
  RunReported("WriteXML", [&] { text = SerializeTraces(); });
  return text;
}

}  // namespace velkor
