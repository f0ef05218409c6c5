#include "model/XmlWellFormed.h"

#include <expat.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>

#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"

namespace velkor {

namespace {

using Parser = std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)>;

// Expat takes its input in pieces of at most INT_MAX bytes.
constexpr std::size_t kPiece = 1u << 30;

// With a default handler set, expat hands an internal entity reference over
// as it stands instead of expanding it: no declaration can multiply the text.
void IgnoreText(void*, const XML_Char*, int) {}

bool IsControlWithoutPlace(unsigned long code) {
  return code >= 1 && code < 0x20 && code != '\t' && code != '\n' && code != '\r';
}

// The length of the digits of a character reference at `at` ("&#01;",
// "&#x1F;") whose character is a control character XML 1.0 has no place
// for; 0 for anything else.
std::size_t ControlReferenceDigits(std::string_view xml, std::size_t at, bool& hex) {
  std::size_t first = at + 2;
  hex = first < xml.size() && xml[first] == 'x';
  if (hex) ++first;
  const std::size_t end = xml.find(';', first);
  if (end == std::string_view::npos || end == first || end - first > 8) return 0;
  const std::string digits(xml.substr(first, end - first));
  if (digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos)
    return 0;
  return IsControlWithoutPlace(std::stoul(digits, nullptr, hex ? 16 : 10)) ? end - first : 0;
}

// The trace-info writer puts such control characters into a document as
// character references ("a&#01;b"), and the reader takes them back; so the
// check reads each as a reference to a tab, written with as many digits, so
// that the places of later faults do not move.
std::string ControlReferencesAsTabs(std::string_view xml) {
  std::string text(xml);
  for (std::size_t at = text.find("&#"); at != std::string::npos; at = text.find("&#", at + 2)) {
    bool hex = false;
    const std::size_t digits = ControlReferenceDigits(text, at, hex);
    if (digits == 0) continue;
    const std::size_t first = at + (hex ? 3 : 2);
    text.replace(first, digits, std::string(digits - 1, '0') + "9");
  }
  return text;
}

XmlFault FaultOf(XML_Parser parser) {
  const XML_Error code = XML_GetErrorCode(parser);
  if (code == XML_ERROR_NO_MEMORY) Raise(err::kOutOfMemory, "ReadXML");
  const XML_LChar* reason = XML_ErrorString(code);
  return XmlFault{static_cast<std::int64_t>(XML_GetCurrentLineNumber(parser)),
                  static_cast<std::int64_t>(XML_GetCurrentColumnNumber(parser)) + 1,
                  reason ? reason : "not well-formed"};
}

}  // namespace

std::optional<XmlFault> FindXmlFault(std::string_view document) {
  const std::string rewritten = document.find("&#") == std::string_view::npos
                                    ? std::string()
                                    : ControlReferencesAsTabs(document);
  const std::string_view xml = rewritten.empty() ? document : std::string_view(rewritten);
  Parser parser(XML_ParserCreate("UTF-8"), &XML_ParserFree);
  if (!parser) Raise(err::kOutOfMemory, "ReadXML");
  XML_SetDefaultHandler(parser.get(), &IgnoreText);
  std::size_t offset = 0;
  do {
    const std::size_t size = std::min(kPiece, xml.size() - offset);
    const bool last = offset + size == xml.size();
    if (XML_Parse(parser.get(), xml.data() + offset, static_cast<int>(size), last ? 1 : 0) !=
        XML_STATUS_OK)
      return FaultOf(parser.get());
    offset += size;
  } while (offset < xml.size());
  return std::nullopt;
}

std::string DescribeXmlFault(const XmlFault& fault) {
  return "line " + std::to_string(fault.line) + ", column " + std::to_string(fault.column) + ": " +
         fault.reason;
}

}  // namespace velkor
