// Imports samples from a CSV text (ArchiveCsv.h) into an archive. Rows that
// cannot be imported are handed to the caller by line number and skipped;
// the others are stored in batches, one transaction per point and batch.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <string>

#include "parts/archive/ArchiveStore.h"

namespace velkor::sim::csv {

struct ImportOptions {
  std::size_t batchRows = 100000;
  // A longer line stops the import: no sample needs that much, and a file
  // without line breaks would otherwise be read whole.
  std::size_t maxLineBytes = 1u << 20;
  // Called for every row that is skipped, with its line number (from 1).
  std::function<void(std::int64_t line, const std::string& why)> onBadRow;
  // Called now and then with the bytes read so far.
  std::function<void(std::uint64_t bytesRead)> onProgress;
  // Asked before every line; true stops the import, dropping the batch that
  // is not stored yet (Ctrl-C).
  std::function<bool()> stopRequested;
};

struct ImportSummary {
  std::int64_t lines = 0;     // lines read, the header and blank lines included
  std::int64_t imported = 0;  // samples stored
  std::int64_t skipped = 0;   // bad rows
  std::int64_t points = 0;    // distinct points the stored samples belong to
  bool interrupted = false;   // stopped on request; the stored batches stay
};

// Throws CsvHeaderError (with the line number) when there is no usable
// header line (naming a UTF-16, binary or ';'-separated file as such);
// std::runtime_error for a read error or an overlong line, and the archive's
// VbError when storing fails, after the batches before it were stored.
ImportSummary ImportArchiveCsv(std::istream& in, ArchiveStore& store,
                               const ImportOptions& options = {});

}  // namespace velkor::sim::csv
