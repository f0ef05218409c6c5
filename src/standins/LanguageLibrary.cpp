#include "standins/LanguageLibrary.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <mutex>
#include <sstream>
#include <system_error>

#include "platform/ErrorNumbers.h"
#include "support/Language.h"
#include "support/TextEscape.h"

namespace velkor::sim {

namespace {

[[noreturn]] void RaiseBadLine(std::string_view fileName, int lineNumber, std::string_view why) {
  std::string file(fileName);
  Raise(err::kCannotCreateObject, file,
        file + " line " + std::to_string(lineNumber) + ": " + std::string(why));
}

std::optional<std::int32_t> ParseId(std::string_view text) {
  std::int32_t id = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return id;
}

void ParseEntry(std::string_view line, std::string_view fileName, int lineNumber,
                LanguageTable& table) {
  auto tab = line.find('\t');
  if (tab == std::string_view::npos) RaiseBadLine(fileName, lineNumber, "no tab after the id");
  auto id = ParseId(line.substr(0, tab));
  if (!id) RaiseBadLine(fileName, lineNumber, "the id is not a number");
  auto text = UnescapeText(line.substr(tab + 1));
  if (!text) RaiseBadLine(fileName, lineNumber, "bad escape in the text");
  if (!table.emplace(*id, std::move(*text)).second)
    RaiseBadLine(fileName, lineNumber, "repeated id");
}

bool IsLocaleName(const std::string& name) {
  return !name.empty() && std::all_of(name.begin(), name.end(),
                                      [](unsigned char c) { return std::isalnum(c) != 0; });
}

// Reads its file on the first request and keeps the table; a failed read is
// tried again on the next request.
class LazyTable {
 public:
  explicit LazyTable(std::filesystem::path file) : file_(std::move(file)) {}

  std::shared_ptr<const LanguageTable> Get() {
    std::lock_guard lock(mutex_);
    if (!table_) table_ = std::make_shared<const LanguageTable>(ReadLanguageTable(file_));
    return table_;
  }

 private:
  std::filesystem::path file_;
  std::mutex mutex_;
  std::shared_ptr<const LanguageTable> table_;
};

}  // namespace

LanguageTable ParseLanguageTable(std::string_view content, std::string_view fileName) {
  LanguageTable table;
  int lineNumber = 0;
  while (!content.empty()) {
    auto end = content.find('\n');
    std::string_view line = content.substr(0, end);
    content = end == std::string_view::npos ? std::string_view() : content.substr(end + 1);
    ++lineNumber;
    // Files edited on Windows end their lines with CR LF; a CR that belongs
    // to a text is always escaped, so a raw one can only be a line end.
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!line.empty()) ParseEntry(line, fileName, lineNumber, table);
  }
  return table;
}

LanguageTable ReadLanguageTable(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) Raise(err::kFileNotFound, file.string());
  std::ostringstream content;
  content << in.rdbuf();
  return ParseLanguageTable(content.str(), file.filename().string());
}

LanguageLibrary::LanguageLibrary(std::shared_ptr<const LanguageTable> table)
    : table_(std::move(table)) {}

std::string LanguageLibrary::get_string(std::int32_t code) {
  auto it = table_->find(code);
  if (it == table_->end()) Raise(err::kResourceNotFound);
  return it->second;
}

void RegisterLanguageLibrary(ObjectRegistry& registry, std::string_view locale,
                             LanguageTable table) {
  auto shared = std::make_shared<const LanguageTable>(std::move(table));
  registry.Register(LanguageProgId(locale),
                    [shared] { return std::make_shared<LanguageLibrary>(shared); });
}

std::vector<std::string> RegisterLanguageLibraries(ObjectRegistry& registry,
                                                   const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    const auto& path = entry.path();
    if (entry.is_regular_file(ec) && path.extension() == ".tsv" &&
        IsLocaleName(path.stem().string()))
      files.push_back(path);
  }
  std::sort(files.begin(), files.end());

  std::vector<std::string> locales;
  for (const auto& file : files) {
    auto table = std::make_shared<LazyTable>(file);
    std::string locale = file.stem().string();
    registry.Register(LanguageProgId(locale),
                      [table] { return std::make_shared<LanguageLibrary>(table->Get()); });
    locales.push_back(locale);
  }
  return locales;
}

}  // namespace velkor::sim
