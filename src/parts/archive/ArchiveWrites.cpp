#include <cmath>
#include <string>

#include "parts/archive/ArchiveErrors.h"
#include "parts/archive/ArchiveNames.h"
#include "parts/archive/ArchiveStore.h"
#include "parts/archive/ArchiveStoreImpl.h"
#include "platform/DateRange.h"

namespace velkor::sim {

namespace {

std::optional<std::int64_t> FirstId(sqlite::Statement& statement) {
  if (!statement.Step()) return std::nullopt;
  return statement.Int64(0);
}

bool Exists(sqlite::Statement& statement, std::int64_t id) {
  sqlite::Running running(statement);
  running->Bind(1, id);
  return running->Step();
}

void BindOptionalText(sqlite::Statement& statement, int index, const std::string& text) {
  if (text.empty()) {
    statement.BindNull(index);
  } else {
    statement.Bind(index, std::string_view(text));
  }
}

void CheckTimes(std::string_view database, std::span<const Sample> samples) {
  for (std::size_t i = 0; i < samples.size(); ++i) {
    if (!IsDateInRange(samples[i].time.serial)) {
      archive_error::RaiseBadArgument(database, "sample " + std::to_string(i) +
                                                    " has no valid time (" +
                                                    std::to_string(samples[i].time.serial) + ")");
    }
  }
}

void CheckName(std::string_view database, const char* what, std::string_view name) {
  if (NameKey(name).empty())
    archive_error::RaiseBadArgument(database, std::string("a ") + what + " needs a name");
  const std::string fault = NameFault(name);
  if (!fault.empty())
    archive_error::RaiseBadArgument(database, std::string("the ") + what + " name " + fault);
}

}  // namespace

ServerId ArchiveStore::AddServer(std::string_view name) {
  CheckName(impl_->name, "server", name);
  const std::string key = NameKey(name);
  return archive_error::Guarded(impl_->name, [&] {
    sqlite::Running find(impl_->findServer);
    find->Bind(1, key);
    if (auto id = FirstId(*find)) return *id;
    sqlite::Running insert(impl_->insertServer);
    insert->Bind(1, StoredName(name)).Bind(2, key).Step();
    return impl_->db.LastInsertId();
  });
}

PointId ArchiveStore::AddPoint(ServerId server, std::string_view tag, const PointDetails& details) {
  CheckName(impl_->name, "tag", tag);
  const std::string key = NameKey(tag);
  return archive_error::Guarded(impl_->name, [&] {
    if (!Exists(impl_->serverExists, server)) {
      archive_error::RaiseBadArgument(impl_->name, "no server with id " + std::to_string(server));
    }
    sqlite::Running find(impl_->findPointOfServer);
    find->Bind(1, server).Bind(2, key);
    if (auto id = FirstId(*find)) return *id;
    sqlite::Running insert(impl_->insertPoint);
    insert->Bind(1, server).Bind(2, StoredName(tag)).Bind(3, key);
    BindOptionalText(*insert, 4, details.description);
    BindOptionalText(*insert, 5, details.units);
    insert->Step();
    return impl_->db.LastInsertId();
  });
}

void ArchiveStore::AppendValues(PointId point, std::span<const Sample> samples) {
  CheckTimes(impl_->name, samples);
  archive_error::Guarded(impl_->name, [&] {
    if (!Exists(impl_->pointExists, point)) {
      archive_error::RaiseBadArgument(impl_->name, "no point with id " + std::to_string(point));
    }
    sqlite::Transaction transaction(impl_->db);
    impl_->writer.Write(point, samples);
    transaction.Commit();
  });
}

void ArchiveStore::AppendBatch(std::span<const NamedSamples> batch) {
  for (const auto& point : batch) CheckTimes(impl_->name, point.samples);
  archive_error::Guarded(impl_->name, [&] {
    sqlite::Transaction transaction(impl_->db);
    for (const auto& point : batch)
      impl_->writer.Write(AddPoint(AddServer(point.server), point.tag), point.samples);
    transaction.Commit();
  });
}

void ArchiveStore::SetInfo(std::string_view key, std::string_view value) {
  archive_error::Guarded(impl_->name, [&] {
    sqlite::Running set(impl_->setInfo);
    set->Bind(1, key).Bind(2, value).Step();
  });
}

}  // namespace velkor::sim
