// Whether a text is a well-formed XML document. The DOM reader of the
// trace-info document is lenient: it takes text around the root, a second
// root element and a bare "&" as they come. A text that is not well-formed
// must give no records at all, so it is checked here first, with the place
// of the first fault for whoever has to repair the document.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkor {

struct XmlFault {
  std::int64_t line = 0;    // 1-based
  std::int64_t column = 0;  // 1-based
  std::string reason;       // "junk after document element"
};

// The first well-formedness fault of `xml`, read as UTF-8 whatever its
// declaration says; nullopt for a well-formed document. Internal entities
// are checked but never expanded, and external ones never fetched. A
// character reference to a control character ("&#01;"), which the
// trace-info writer makes of such characters, is no fault. Raises Out of
// memory (7) when the checker cannot get memory.
std::optional<XmlFault> FindXmlFault(std::string_view xml);

// "line 1, column 5: junk after document element"
std::string DescribeXmlFault(const XmlFault& fault);

}  // namespace velkor
