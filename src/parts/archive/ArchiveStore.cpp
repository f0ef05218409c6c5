#include "parts/archive/ArchiveStore.h"

#include <sqlite3.h>

#include <system_error>

#include "parts/archive/ArchiveErrors.h"
#include "parts/archive/ArchiveSchema.h"
#include "parts/archive/ArchiveSql.h"
#include "parts/archive/ArchiveStoreImpl.h"
#include "parts/archive/NameKeys.h"

namespace velkor::sim {

namespace {

constexpr const char* kMemory = ":memory:";

int OpenFlags(ArchiveAccess access) {
  return access == ArchiveAccess::Read ? SQLITE_OPEN_READONLY
                                       : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
}

bool IsMissing(const std::string& name) {
  std::error_code ec;
  return name != kMemory && !std::filesystem::exists(name, ec);
}

// A connection that crashed mid-write leaves a "hot" journal, which only a
// connection that may write can roll back; read-only ones then fail every
// read. The roll-back restores the archive as it was before that write.
bool IsInterruptedWrite(const sqlite::Error& e) {
  return e.extended() == SQLITE_READONLY_ROLLBACK;
}

void RollBackInterruptedWrite(const std::string& name) {
  try {
    sqlite::Database db(name, SQLITE_OPEN_READWRITE);
    db.Execute("SELECT count(*) FROM sqlite_master");
  } catch (const sqlite::Error& e) {
    archive_error::RaiseInterruptedWrite(name, e.what());
  }
}

sqlite::Database OpenConnection(const std::string& name, ArchiveAccess access) {
  sqlite::Database db(name, OpenFlags(access));
  db.Execute("PRAGMA foreign_keys = ON");
  EnsureArchiveSchema(db, name, access == ArchiveAccess::Write);
  return db;
}

sqlite::Database OpenRecovering(const std::string& name, ArchiveAccess access) {
  try {
    return OpenConnection(name, access);
  } catch (const sqlite::Error& e) {
    if (access != ArchiveAccess::Read || !IsInterruptedWrite(e)) throw;
  }
  RollBackInterruptedWrite(name);
  return OpenConnection(name, access);
}

}  // namespace

ArchiveStore::Impl::Impl(std::string name, sqlite::Database database)
    : name(std::move(name)),
      db(std::move(database)),
      findServer(db, archive_sql::kFindServer),
      serverExists(db, archive_sql::kServerExists),
      insertServer(db, archive_sql::kInsertServer),
      findPointOfServer(db, archive_sql::kFindPointOfServer),
      findPoint(db, archive_sql::kFindPoint),
      pointExists(db, archive_sql::kPointExists),
      insertPoint(db, archive_sql::kInsertPoint),
      listPoints(db, archive_sql::kListPoints),
      readRange(db, archive_sql::kReadRange),
      readBefore(db, archive_sql::kReadBefore),
      countSamples(db, archive_sql::kCountSamples),
      setInfo(db, archive_sql::kSetInfo),
      getInfo(db, archive_sql::kGetInfo),
      writer(db) {}

ArchiveStore::ArchiveStore(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
ArchiveStore::ArchiveStore(ArchiveStore&&) noexcept = default;
ArchiveStore& ArchiveStore::operator=(ArchiveStore&&) noexcept = default;
ArchiveStore::~ArchiveStore() = default;

ArchiveStore ArchiveStore::Open(const std::filesystem::path& file, ArchiveAccess access) {
  const std::string name = file.string();
  if (access == ArchiveAccess::Read && IsMissing(name)) archive_error::RaiseNotFound(name);
  return archive_error::Guarded(name, [&] {
    sqlite::Database db = OpenRecovering(name, access);
    std::unique_ptr<Impl> impl;
    try {
      impl = std::make_unique<Impl>(name, std::move(db));
    } catch (const sqlite::Error& e) {
      archive_error::RaiseNotAnArchive(name, e.what());
    }
    impl->keysCurrent = name_keys::AreCurrent(impl->db);
    if (!impl->keysCurrent && access == ArchiveAccess::Write) {
      name_keys::Refresh(impl->db);
      impl->keysCurrent = true;
    }
    return ArchiveStore(std::move(impl));
  });
}

ArchiveStore ArchiveStore::OpenInMemory() {
  return Open(kMemory, ArchiveAccess::Write);
}

const std::string& ArchiveStore::Name() const {
  return impl_->name;
}

}  // namespace velkor::sim
