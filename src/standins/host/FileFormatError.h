// FileFormatError: a workbook file that cannot be read, with the place of
// the fault: a JSON path ("/sheets/0/cells/B2") or a byte offset.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace velkor::sim {

class FileFormatError : public std::runtime_error {
 public:
  FileFormatError(std::string where, const std::string& what)
      : std::runtime_error(what), where_(std::move(where)) {}
  const std::string& where() const { return where_; }
  // The place as a reader is shown it: the whole document has an empty JSON
  // path, shown as "/".
  std::string place() const { return where_.empty() ? "/" : where_; }

 private:
  std::string where_;
};

}  // namespace velkor::sim
