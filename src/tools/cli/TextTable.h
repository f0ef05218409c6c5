// Rows of texts printed as aligned columns, widths counted in terminal
// columns: East Asian wide characters take two, combining marks none.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace velkor::cli {

using TableRow = std::vector<std::string>;

// The first row is the header. Control characters are shown as their
// Unicode control pictures so that a value cannot break a line.
void PrintTable(std::ostream& out, const std::vector<TableRow>& rows,
                const std::string& indent = {});

}  // namespace velkor::cli
