// The escaped one-line form of a text used by string-table files and the
// `strings` command: line feed, carriage return, tab and backslash are written
// as \n, \r, \t and \\ so that every entry fits on one line and reads back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velkor {

std::string EscapeText(std::string_view text);
// The text EscapeText was given; nullopt for an unknown escape or a trailing
// lone backslash.
std::optional<std::string> UnescapeText(std::string_view escaped);

}  // namespace velkor
