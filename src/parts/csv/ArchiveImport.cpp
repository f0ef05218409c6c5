#include "parts/csv/ArchiveImport.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "parts/archive/ArchiveNames.h"
#include "parts/csv/ArchiveCsv.h"
#include "parts/csv/CsvLine.h"

namespace velkor::sim::csv {

namespace {

constexpr std::int64_t kProgressEveryLines = 20000;

// Collects samples per point until a batch is full. Point ids are looked up
// once per server and tag: the lookups cost more than the inserts.
class Batcher {
 public:
  Batcher(ArchiveStore& store, std::size_t batchRows) : store_(store), batchRows_(batchRows) {}

  void Add(const ArchiveRow& row) {
    pending_[PointOf(row.server, row.tag)].push_back(row.sample);
    if (++pendingRows_ >= batchRows_) Flush();
  }

  void Flush() {
    for (auto& [point, samples] : pending_) {
      store_.AppendValues(point, samples);
      stored_ += static_cast<std::int64_t>(samples.size());
    }
    pending_.clear();
    pendingRows_ = 0;
  }

  std::int64_t Stored() const { return stored_; }
  std::int64_t Points() const { return static_cast<std::int64_t>(points_.size()); }

 private:
  // Files hold runs of rows of one point: the run's point is found once.
  PointId PointOf(const std::string& server, const std::string& tag) {
    if (last_ && last_->server == server && last_->tag == tag) return last_->point;
    last_ = LastPoint{server, tag, FindOrAddPoint(server, tag)};
    return last_->point;
  }

  PointId FindOrAddPoint(const std::string& server, const std::string& tag) {
    auto key = std::make_pair(NameKey(server), NameKey(tag));
    auto found = points_.find(key);
    if (found != points_.end()) return found->second;
    const PointId id = store_.AddPoint(store_.AddServer(server), tag);
    points_.emplace(std::move(key), id);
    return id;
  }

  struct LastPoint {
    std::string server;
    std::string tag;
    PointId point;
  };

  ArchiveStore& store_;
  std::size_t batchRows_;
  std::map<std::pair<std::string, std::string>, PointId> points_;
  std::optional<LastPoint> last_;
  std::map<PointId, std::vector<Sample>> pending_;
  std::size_t pendingRows_ = 0;
  std::int64_t stored_ = 0;
};

bool ReadLine(std::istream& in, std::string& line, std::uint64_t& bytes) {
  if (!std::getline(in, line)) return false;
  bytes += line.size() + 1;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

void SkipByteOrderMark(std::string& line) {
  if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
}

ArchiveColumns ReadHeader(std::istream& in, std::string& line, std::uint64_t& bytes,
                          ImportSummary& summary) {
  while (ReadLine(in, line, bytes)) {
    ++summary.lines;
    if (summary.lines == 1) SkipByteOrderMark(line);
    if (TrimBlanks(line).empty()) continue;
    const SplitLine split = SplitCsvLine(line);
    const std::string at = "line " + std::to_string(summary.lines) + ": ";
    if (!split.error.empty()) throw CsvHeaderError(at + split.error);
    try {
      return ReadArchiveHeader(split.fields);
    } catch (const CsvHeaderError& e) {
      throw CsvHeaderError(at + e.what());
    }
  }
  throw CsvHeaderError("no header line (expected server,tag,time,value[,status])");
}

}  // namespace

ImportSummary ImportArchiveCsv(std::istream& in, ArchiveStore& store,
                               const ImportOptions& options) {
  ImportSummary summary;
  std::string line;
  std::uint64_t bytes = 0;
  const ArchiveColumns columns = ReadHeader(in, line, bytes, summary);
  Batcher batcher(store, options.batchRows == 0 ? 1 : options.batchRows);
  const auto reject = [&](const std::string& why) {
    ++summary.skipped;
    if (options.onBadRow) options.onBadRow(summary.lines, why);
  };
  while (ReadLine(in, line, bytes)) {
    ++summary.lines;
    if (options.onProgress && summary.lines % kProgressEveryLines == 0) options.onProgress(bytes);
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
  if (in.bad())
    throw std::runtime_error("reading stopped at line " + std::to_string(summary.lines + 1) +
                             ": a read error");
  batcher.Flush();
  if (options.onProgress) options.onProgress(bytes);
  summary.imported = batcher.Stored();
  summary.points = batcher.Points();
  return summary;
}

}  // namespace velkor::sim::csv
