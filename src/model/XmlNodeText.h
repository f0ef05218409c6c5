// The text of a DOM node as the platform's DOM gives it.
#pragma once

#include <pugixml.hpp>
#include <string>

namespace velkor {

// A text or CDATA node gives its own value; an element gives the text of all
// its descendant text and CDATA nodes, concatenated in document order; any
// other node gives "". The walk is iterative, so depth costs no stack.
std::string NodeText(pugi::xml_node node);

}  // namespace velkor
