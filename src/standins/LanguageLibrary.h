// LanguageLibrary: the stand-in for a per-locale language library, an object
// "KVRT<locale>.ResourceStrings" that serves the texts of one table file.
//
// A table file holds one entry per line, "id<TAB>text", with the text escaped
// as the `strings` command prints it (see support/TextEscape.h); that output
// is the template for a new language. Empty lines are ignored.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "os/linux/ObjectRegistry.h"
#include "support/StringLookupObject.h"

namespace velkor::sim {

using LanguageTable = std::map<std::int32_t, std::string>;

// Raises 429 naming `fileName` and the line for an entry that is not
// "id<TAB>escaped text", a bad escape or a repeated id.
LanguageTable ParseLanguageTable(std::string_view content, std::string_view fileName);
// Raises 53 when the file cannot be read; otherwise as ParseLanguageTable.
LanguageTable ReadLanguageTable(const std::filesystem::path& file);

class LanguageLibrary : public StringLookupObject {
 public:
  explicit LanguageLibrary(std::shared_ptr<const LanguageTable> table);

  std::string TypeName() const override { return "ResourceStrings"; }
  // Raises Resource not found (326) for an id the table lacks.
  std::string get_string(std::int32_t code) override;

 private:
  std::shared_ptr<const LanguageTable> table_;
};

// Registers "KVRT<locale>.ResourceStrings" serving `table`.
void RegisterLanguageLibrary(ObjectRegistry& registry, std::string_view locale,
                             LanguageTable table);

// Registers "KVRT<locale>.ResourceStrings" for every "<locale>.tsv" in
// `folder` and returns the locales in name order. A file is read when its
// first object is created, so a broken file makes only that language fail to
// load. A missing folder registers nothing.
std::vector<std::string> RegisterLanguageLibraries(ObjectRegistry& registry,
                                                   const std::filesystem::path& folder);

}  // namespace velkor::sim
