// The lookups the wizard add-in's screens use: the archive tag search and
// the list of known servers.
#pragma once

#include <cstdint>
#include <memory>

namespace velkor {

class ExcelTrendWizard;
class ZaltPoints;
class Servers;

// Shows the tag-search dialog, owned by window `hwndparent`, and returns the
// points the user chose, in the dialog's order, every one named "P1". A
// failure is shown to the user and reported; the result is then nullptr.
std::shared_ptr<ZaltPoints> ZaltShowTagSearchDlg(ExcelTrendWizard& c, std::int32_t& hwndparent);

// The control offers no server list: always nullptr.
std::shared_ptr<Servers> ZaltGetKnownServers(ExcelTrendWizard& c);

}  // namespace velkor
