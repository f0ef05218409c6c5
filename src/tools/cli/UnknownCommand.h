// The command-line library reports a mistyped command as "a subcommand is
// required"; this finds the word that names no command, for a clearer line,
// and the command that messages name.
#pragma once

#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace velkor::cli {

// "unknown command 'x'" (or "unknown archive command 'x'") when the first
// word at a level that needs a command names none there; nullopt otherwise.
std::optional<std::string> UnknownCommand(const CLI::App& app, int argc, char** argv);

// The command the words name, as messages show it ("archive import"); empty
// when the first word names none.
std::string CommandNamed(const CLI::App& app, int argc, char** argv);

}  // namespace velkor::cli
