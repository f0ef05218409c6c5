// How the archive matches server and tag names: trimmed of blanks and
// ignoring letter case, as the control compares them.
#pragma once

#include <string>
#include <string_view>

namespace velkor::sim {

// The name as it is stored: without leading and trailing blanks.
std::string StoredName(std::string_view name);
// The key two names share when they match: the stored name in upper case.
std::string NameKey(std::string_view name);
// Why `name` cannot name a server or tag: it holds a control character (a
// stray CR would make a second point that looks like the first) or bytes
// that are not UTF-8. Empty when it can.
std::string NameFault(std::string_view name);

}  // namespace velkor::sim
