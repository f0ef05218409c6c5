// ArchiveStore: the archive of time-stamped values that the archive data
// control reads, kept in a SQLite database (a file or memory). Points are
// addressed by server and tag, matched ignoring case and outer blanks.
// Failures raise VbError naming the database (see ArchiveErrors.h).
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "parts/archive/ArchiveTypes.h"

namespace velkor::sim {

// The samples of one point, named by server and tag.
struct NamedSamples {
  std::string server;
  std::string tag;
  std::vector<Sample> samples;
};

enum class ArchiveAccess {
  Read,   // the file must exist and hold an archive; a write cut off by a
          // crash (its journal left behind) is rolled back first
  Write,  // a missing file is created with an empty archive
};

class ArchiveStore {
 public:
  static ArchiveStore Open(const std::filesystem::path& file, ArchiveAccess access);
  static ArchiveStore OpenInMemory();

  ArchiveStore(ArchiveStore&&) noexcept;
  ArchiveStore& operator=(ArchiveStore&&) noexcept;
  ~ArchiveStore();

  // The file path, or ":memory:".
  const std::string& Name() const;

  // The server of that name, added when absent. An empty name raises
  // Invalid procedure call (5), and so does a name with a control character
  // or bytes that are not UTF-8.
  ServerId AddServer(std::string_view name);
  // The point for `tag` on `server`, added with `details` when absent (an
  // existing point keeps its details). Raises 5 for an unknown server or an
  // empty tag.
  PointId AddPoint(ServerId server, std::string_view tag, const PointDetails& details = {});
  // Adds the samples in one transaction: all or none. A sample at a time the
  // point already has replaces the old one. Raises 5 for an unknown point or
  // a time that is no date in the years 100..9999.
  void AppendValues(PointId point, std::span<const Sample> samples);
  // Adds the points that are missing and the samples of every point in one
  // transaction: all or none, so that no point is left without its values.
  void AppendBatch(std::span<const NamedSamples> batch);

  // Every point, ordered by server and tag.
  std::vector<PointRow> ListPoints() const;
  std::optional<PointId> FindPoint(std::string_view server, std::string_view tag) const;
  // The samples from `from` to `to`, both included, ordered by time; none
  // when `from` lies after `to`. NaN bounds raise 5.
  std::vector<Sample> ReadRange(PointId point, DateValue from, DateValue to) const;
  // The last sample strictly before `time`.
  std::optional<Sample> ReadBefore(PointId point, DateValue time) const;
  // The range read by names; an unknown server or tag is no error.
  RangeRead ReadRange(std::string_view server, std::string_view tag, DateValue from,
                      DateValue to) const;
  std::int64_t CountValues(PointId point) const;

  // Free-form facts about the archive (who made it, with which parameters).
  void SetInfo(std::string_view key, std::string_view value);
  std::optional<std::string> Info(std::string_view key) const;

 private:
  struct Impl;
  explicit ArchiveStore(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace velkor::sim
