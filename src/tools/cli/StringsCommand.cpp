// velkor strings [--lang ID]: the string table as "id<TAB>escaped text" lines,
// the format of the language tables in data/lang.
#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "platform/VbError.h"
#include "standins/SimServices.h"
#include "support/Language.h"
#include "support/StringTable.h"
#include "support/TextEscape.h"
#include "tools/cli/Commands.h"

namespace velkor::cli {

namespace {

void PrintEntry(std::int32_t id, std::string_view text) {
  std::cout << id << '\t' << EscapeText(text) << '\n';
}

void PrintOwnTable() {
  for (const auto& entry : OwnStringTable()) PrintEntry(entry.id, entry.text);
}

// The texts GetString gives for every id of the own table after loading
// `langId`. An id the language lacks is named on stderr and fails the command
// after the other lines are out.
void PrintLanguage(const std::string& langId) {
  sim::InstallSimServices();
  if (!LoadLanguage(langId))
    std::cerr << "velkor: language " << langId
              << " could not be loaded; the texts come from the own table\n";
  bool complete = true;
  for (const auto& entry : OwnStringTable()) {
    try {
      PrintEntry(entry.id, GetString(entry.id));
    } catch (const VbError& e) {
      std::cerr << "velkor: string " << entry.id << ": " << e.description() << '\n';
      complete = false;
    }
  }
  std::cout.flush();
  if (!complete) throw CLI::RuntimeError(1);
}

}  // namespace

void RegisterStringsCommand(CLI::App& app) {
  auto* command = app.add_subcommand(
      "strings", "Print the string table as id<TAB>text lines (\\n \\r \\t \\\\ escaped)");
  auto langId = std::make_shared<std::string>();
  command->add_option("--lang", *langId, "Locale id: print the texts of that language library");
  command->callback([command, langId] {
    if (command->count("--lang"))
      PrintLanguage(*langId);
    else
      PrintOwnTable();
  });
}

}  // namespace velkor::cli
