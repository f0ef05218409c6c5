// WriteXML writes the document text directly rather than building a DOM and
// serializing it: every event that changes a record writes the whole
// document, and the text is all the caller keeps. The output is the one the
// DOM serializer gives (raw format, no declaration), which the tests compare.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/LastDocument.h"
#include "model/TraceFields.h"
#include "model/TraceInfoXml.h"
#include "model/Traces.h"
#include "support/ErrorHandling.h"

namespace velkor {

namespace {

// Markup characters become entities; so do the control characters other
// than tab and line feed, and a carriage return, which a reader would
// otherwise turn into a line feed. A null character ends the text.
void AppendEscaped(std::string& out, std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::size_t plain = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const bool special = c == '&' || c == '<' || c == '>' || (c < 32 && c != '\t' && c != '\n');
    if (!special) continue;
    out.append(text.substr(plain, i - plain));
    plain = i + 1;
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else {
      out += "&#";
      out += static_cast<char>('0' + c / 10);
      out += static_cast<char>('0' + c % 10);
      out += ';';
    }
  }
  out.append(text.substr(plain));
}

// The opening and closing tag of every field, in the written order.
struct FieldTags {
  std::string open;
  std::string close;
};

const std::vector<FieldTags>& TagsInWrittenOrder() {
  static const std::vector<FieldTags> tags = [] {
    std::vector<FieldTags> all;
    for (const auto& field : TraceFieldsInWrittenOrder()) {
      const std::string name(field.name);
      all.push_back({"<" + name + ">", "</" + name + ">"});
    }
    return all;
  }();
  return tags;
}

void AppendRecord(std::string& out, std::int32_t index, const TraceOrder& record) {
  const std::string number = std::to_string(index);
  out.append("<trace").append(number).append(">");
  const auto fields = TraceFieldsInWrittenOrder();
  const auto& tags = TagsInWrittenOrder();
  for (std::size_t f = 0; f < fields.size(); ++f) {
    out += tags[f].open;
    if (const auto* text = std::get_if<std::string TraceOrder::*>(&fields[f].member))
      AppendEscaped(out, record.**text);
    else
      out += FieldText(record, fields[f]);
    out += tags[f].close;
  }
  out.append("</trace").append(number).append(">");
}

std::string SerializeTraces() {
  const std::int32_t n = TracesUBound();
  if (n < 1) return "<traceinfo/>";
  std::string out;
  out.reserve(static_cast<std::size_t>(n) * 400);
  out += "<traceinfo>";
  for (std::int32_t i = 1; i <= n; ++i) AppendRecord(out, i, gTraces[static_cast<std::size_t>(i)]);
  out += "</traceinfo>";
  return out;
}

}  // namespace

// The text written is kept with its records: the caller stores it as the
// trend's document, which the next event reads.
std::string WriteXML() {
  std::string text;
  if (RunReported("WriteXML", [&] { text = SerializeTraces(); })) KeepWrittenDocument(text);
  return text;
}

}  // namespace velkor
