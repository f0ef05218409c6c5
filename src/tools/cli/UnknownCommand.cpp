#include "tools/cli/UnknownCommand.h"

#include <CLI/CLI.hpp>

namespace velkor::cli {

namespace {

bool HasCommands(const CLI::App& level) {
  return !level.get_subcommands([](const CLI::App*) { return true; }).empty();
}

const CLI::App* FindCommand(const CLI::App& level, const std::string& word) {
  for (const auto* command : level.get_subcommands([](const CLI::App*) { return true; }))
    if (command->check_name(word)) return command;
  return nullptr;
}

}  // namespace

std::optional<std::string> UnknownCommand(const CLI::App& app, int argc, char** argv) {
  const CLI::App* level = &app;
  for (int i = 1; i < argc && HasCommands(*level); ++i) {
    const std::string word = argv[i];
    if (word.empty() || word[0] == '-') return std::nullopt;
    const CLI::App* command = FindCommand(*level, word);
    if (!command) {
      const std::string parent = level == &app ? "" : level->get_name() + " ";
      return "unknown " + parent + "command '" + word + "'";
    }
    level = command;
  }
  return std::nullopt;
}

std::string CommandNamed(const CLI::App& app, int argc, char** argv) {
  std::string named;
  const CLI::App* level = &app;
  for (int i = 1; i < argc && HasCommands(*level); ++i) {
    const CLI::App* command = FindCommand(*level, argv[i]);
    if (!command) break;
    named += (named.empty() ? "" : " ") + command->get_name();
    level = command;
  }
  return named;
}

}  // namespace velkor::cli
