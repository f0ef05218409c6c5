#include "parts/csv/ArchiveImport.h"

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "parts/archive/ArchiveNames.h"
#include "parts/csv/ArchiveCsv.h"
#include "parts/csv/CsvLine.h"
#include "parts/csv/CsvText.h"

namespace velkor::sim::csv {

namespace {

constexpr std::int64_t kProgressEveryLines = 20000;

// Collects samples per point until a batch is full, then stores the batch in
// one transaction, new points included: an import that stops leaves whole
// batches and no point without values.
class Batcher {
 public:
  Batcher(ArchiveStore& store, std::size_t batchRows) : store_(store), batchRows_(batchRows) {}

  void Add(const ArchiveRow& row) {
    PendingOf(row.server, row.tag).samples.push_back(row.sample);
    if (++pendingRows_ >= batchRows_) Flush();
  }

  void Flush() {
    std::vector<NamedSamples> batch;
    batch.reserve(pending_.size());
    for (auto& [key, point] : pending_) batch.push_back(std::move(point));
    store_.AppendBatch(batch);
    for (auto& [key, point] : pending_) stored_.insert(key);
    storedRows_ += static_cast<std::int64_t>(pendingRows_);
    pending_.clear();
    last_ = nullptr;
    pendingRows_ = 0;
  }

  std::int64_t Stored() const { return storedRows_; }
  std::int64_t Points() const { return static_cast<std::int64_t>(stored_.size()); }

 private:
  using Key = std::pair<std::string, std::string>;

  // Files hold runs of rows of one point: the run's point is found once.
  NamedSamples& PendingOf(const std::string& server, const std::string& tag) {
    if (last_ && last_->server == server && last_->tag == tag) return *last_;
    auto [it, added] = pending_.try_emplace(Key{NameKey(server), NameKey(tag)});
    if (added) it->second = NamedSamples{server, tag, {}};
    last_ = &it->second;
    return *last_;
  }

  ArchiveStore& store_;
  std::size_t batchRows_;
  std::map<Key, NamedSamples> pending_;
  NamedSamples* last_ = nullptr;
  std::set<Key> stored_;
  std::size_t pendingRows_ = 0;
  std::int64_t storedRows_ = 0;
};

// Reads lines of at most a set length, so that a file without line breaks
// (or an endless stream) cannot take all memory.
class LineReader {
 public:
  LineReader(std::istream& in, std::size_t maxBytes) : in_(in), buffer_(maxBytes + 1) {}

  bool Next(std::string& line, std::int64_t number) {
    if (!in_.good()) return false;
    in_.getline(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    const auto got = static_cast<std::size_t>(in_.gcount());
    if (in_.fail() && !in_.eof() && !in_.bad() && got + 1 == buffer_.size())
      throw std::runtime_error("line " + std::to_string(number) + " is longer than " +
                               std::to_string(buffer_.size() - 1) +
                               " bytes; is this a CSV file of samples?");
    if (got == 0 && in_.fail()) return false;
    bytes_ += got;
    const bool broken = got > 0 && !in_.eof() && !in_.fail();
    line.assign(buffer_.data(), broken ? got - 1 : got);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
  }

  bool Failed() const { return in_.bad(); }
  std::uint64_t Bytes() const { return bytes_; }

 private:
  std::istream& in_;
  std::vector<char> buffer_;
  std::uint64_t bytes_ = 0;
};

void SkipByteOrderMark(std::string& line) {
  if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
}

bool LooksLikeUtf16(std::string_view line) {
  if (line.starts_with("\xFF\xFE") || line.starts_with("\xFE\xFF")) return true;
  std::size_t zeros = 0;
  for (std::size_t i = 0; i < line.size(); i += 2) zeros += line[i] == '\0';
  for (std::size_t i = 1; i < line.size(); i += 2) zeros += line[i] == '\0';
  return line.size() >= 4 && zeros * 2 >= line.size() - 1;
}

// What keeps the first line from being a header, when it is not the
// columns: the file's encoding or separator.
void CheckHeaderText(std::string_view line, const SplitLine& split) {
  if (LooksLikeUtf16(line))
    throw CsvHeaderError("the file is UTF-16, which is not supported; save it as UTF-8");
  if (line.find('\0') != std::string_view::npos)
    throw CsvHeaderError("the file holds NUL bytes: it is not a CSV text file");
  if (!IsUtf8(line)) throw CsvHeaderError("the header is not UTF-8 text; save the file as UTF-8");
  if (split.fields.size() == 1 && line.find(';') != std::string_view::npos)
    throw CsvHeaderError(
        "the fields are separated by ';'; velkor reads files with ',' between fields and '.' "
        "in numbers: export the file as comma-separated values");
}

ArchiveColumns ReadHeader(LineReader& reader, std::string& line, ImportSummary& summary) {
  while (reader.Next(line, summary.lines + 1)) {
    ++summary.lines;
    if (summary.lines == 1) SkipByteOrderMark(line);
    if (TrimBlanks(line).empty()) continue;
    const SplitLine split = SplitCsvLine(line);
    const std::string at = "line " + std::to_string(summary.lines) + ": ";
    try {
      CheckHeaderText(line, split);
      if (!split.error.empty()) throw CsvHeaderError(split.error);
      return ReadArchiveHeader(split.fields);
    } catch (const CsvHeaderError& e) {
      throw CsvHeaderError(at + e.what());
    }
  }
  if (reader.Failed()) throw std::runtime_error("a read error before the header line");
  throw CsvHeaderError("no header line (expected server,tag,time,value[,status])");
}

}  // namespace

ImportSummary ImportArchiveCsv(std::istream& in, ArchiveStore& store,
                               const ImportOptions& options) {
  ImportSummary summary;
  std::string line;
  LineReader reader(in, options.maxLineBytes);
  const ArchiveColumns columns = ReadHeader(reader, line, summary);
  Batcher batcher(store, options.batchRows == 0 ? 1 : options.batchRows);
  const auto reject = [&](const std::string& why) {
    ++summary.skipped;
    if (options.onBadRow) options.onBadRow(summary.lines, why);
  };
  const auto stop = [&] { return options.stopRequested && options.stopRequested(); };
  while (true) {
    if (stop()) {
      summary.interrupted = true;
      break;
    }
    if (!reader.Next(line, summary.lines + 1)) break;
    ++summary.lines;
    if (options.onProgress && summary.lines % kProgressEveryLines == 0)
      options.onProgress(reader.Bytes());
    if (TrimBlanks(line).empty()) continue;
    const SplitLine split = SplitCsvLine(line);
    if (!split.error.empty()) {
      reject(split.error);
      continue;
    }
    auto row = ReadArchiveRow(split.fields, columns);
    if (auto* why = std::get_if<std::string>(&row))
      reject(*why);
    else
      batcher.Add(std::get<ArchiveRow>(row));
  }
  if (!summary.interrupted && reader.Failed())
    throw std::runtime_error("reading stopped at line " + std::to_string(summary.lines + 1) +
                             ": a read error");
  if (!summary.interrupted) batcher.Flush();
  if (options.onProgress) options.onProgress(reader.Bytes());
  summary.imported = batcher.Stored();
  summary.points = batcher.Points();
  return summary;
}

}  // namespace velkor::sim::csv
