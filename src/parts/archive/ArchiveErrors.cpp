#include "parts/archive/ArchiveErrors.h"

#include <sqlite3.h>

#include <string>

#include "platform/ErrorNumbers.h"

namespace velkor::sim::archive_error {

namespace {

std::string Named(std::string_view database) {
  std::string out = "Archive database \"";
  out.append(database).append("\"");
  return out;
}

bool IsDamaged(int code) {
  return code == SQLITE_NOTADB || code == SQLITE_CORRUPT || code == SQLITE_FORMAT;
}

}  // namespace

void RaiseNotFound(std::string_view database) {
  throw VbError(err::kFileNotFound, Named(database) + " not found");
}

void RaiseNotAnArchive(std::string_view database, std::string_view why) {
  throw VbError(kInvalidFileFormat,
                Named(database) + " is not a valid archive: " + std::string(why));
}

void RaiseFromSqlite(std::string_view database, const sqlite::Error& error) {
  if (IsDamaged(error.code())) RaiseNotAnArchive(database, error.what());
  throw VbError(err::kPathFileAccess, Named(database) + ": " + error.what());
}

void RaiseInterruptedWrite(std::string_view database, std::string_view why) {
  const std::string name(database);
  throw VbError(err::kPathFileAccess, Named(database) + " holds a write that was cut off (" + name +
                                          "-journal) and needs write access to roll it back (" +
                                          std::string(why) + "); run 'velkor archive points --db " +
                                          name +
                                          "' as a user who may write to the file and its folder");
}

void RaiseBadArgument(std::string_view database, std::string_view what) {
  throw VbError(err::kInvalidProcedureCall, Named(database) + ": " + std::string(what));
}

}  // namespace velkor::sim::archive_error
