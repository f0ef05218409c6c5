#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "parts/archive/ArchiveErrors.h"
#include "parts/archive/ArchiveNames.h"
#include "parts/archive/ArchiveStore.h"
#include "parts/archive/ArchiveStoreImpl.h"
#include "parts/archive/NameKeys.h"
#include "parts/time/DayCount.h"

namespace velkor::sim {

namespace {

// Columns time, value, status of the current row.
Sample SampleAt(const sqlite::Statement& row) {
  const double value = row.IsNull(1) ? std::numeric_limits<double>::quiet_NaN() : row.Double(1);
  return Sample{FromDayCount(row.Double(0)), value, static_cast<std::int32_t>(row.Int64(2))};
}

void CheckBound(std::string_view database, DateValue bound) {
  if (std::isnan(bound.serial)) archive_error::RaiseBadArgument(database, "a time bound is NaN");
}

std::string OptionalText(const sqlite::Statement& row, int column) {
  return row.IsNull(column) ? std::string() : row.Text(column);
}

// By key, or by name where the keys are not current.
std::optional<name_keys::FoundPoint> Find(sqlite::Statement& findPoint, const sqlite::Database& db,
                                          bool keysCurrent, std::string_view server,
                                          std::string_view tag) {
  {
    sqlite::Running find(findPoint);
    find->Bind(1, NameKey(server)).Bind(2, NameKey(tag));
    if (find->Step()) return name_keys::FoundPoint{find->Int64(0), OptionalText(*find, 1)};
  }
  if (keysCurrent) return std::nullopt;
  return name_keys::FindByName(db, server, tag);
}

}  // namespace

std::vector<PointRow> ArchiveStore::ListPoints() const {
  return archive_error::Guarded(impl_->name, [&] {
    std::vector<PointRow> rows;
    sqlite::Running list(impl_->listPoints);
    while (list->Step()) {
      rows.push_back(PointRow{list->Text(0), list->Text(1),
                              PointDetails{OptionalText(*list, 2), OptionalText(*list, 3)}});
    }
    return rows;
  });
}

std::optional<PointId> ArchiveStore::FindPoint(std::string_view server,
                                               std::string_view tag) const {
  return archive_error::Guarded(impl_->name, [&]() -> std::optional<PointId> {
    const auto found = Find(impl_->findPoint, impl_->db, impl_->keysCurrent, server, tag);
    if (!found) return std::nullopt;
    return found->id;
  });
}

std::vector<Sample> ArchiveStore::ReadRange(PointId point, DateValue from, DateValue to) const {
  CheckBound(impl_->name, from);
  CheckBound(impl_->name, to);
  return archive_error::Guarded(impl_->name, [&] {
    std::vector<Sample> samples;
    sqlite::Running read(impl_->readRange);
    read->Bind(1, point).Bind(2, ToDayCount(from)).Bind(3, ToDayCount(to));
    while (read->Step()) samples.push_back(SampleAt(*read));
    return samples;
  });
}

std::optional<Sample> ArchiveStore::ReadBefore(PointId point, DateValue time) const {
  CheckBound(impl_->name, time);
  return archive_error::Guarded(impl_->name, [&]() -> std::optional<Sample> {
    sqlite::Running read(impl_->readBefore);
    read->Bind(1, point).Bind(2, ToDayCount(time));
    if (!read->Step()) return std::nullopt;
    return SampleAt(*read);
  });
}

RangeRead ArchiveStore::ReadRange(std::string_view server, std::string_view tag, DateValue from,
                                  DateValue to) const {
  const auto point = archive_error::Guarded(impl_->name, [&] {
    return Find(impl_->findPoint, impl_->db, impl_->keysCurrent, server, tag);
  });
  if (!point) return RangeRead{};
  return RangeRead{true, point->units, ReadBefore(point->id, from), ReadRange(point->id, from, to)};
}

std::int64_t ArchiveStore::CountValues(PointId point) const {
  return archive_error::Guarded(impl_->name, [&] {
    sqlite::Running count(impl_->countSamples);
    count->Bind(1, point).Step();
    return count->Int64(0);
  });
}

std::optional<std::string> ArchiveStore::Info(std::string_view key) const {
  return archive_error::Guarded(impl_->name, [&]() -> std::optional<std::string> {
    sqlite::Running get(impl_->getInfo);
    get->Bind(1, key);
    if (!get->Step()) return std::nullopt;
    return get->Text(0);
  });
}

}  // namespace velkor::sim
