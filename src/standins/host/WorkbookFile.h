// Saving live workbooks to workbook files and opening them again.
#pragma once

#include <memory>
#include <string>

#include "standins/host/WorkbookData.h"

namespace velkor::sim {

class SimApplication;
class SimWorkbook;

// The workbook's content; asks every control to write its properties.
WorkbookData CaptureWorkbook(SimWorkbook& book);

// Saves atomically to `path`; on success the workbook takes the file's name
// and path and counts as unchanged. Raises 1004 naming the file and the
// cause; a failed save leaves an earlier file at `path` as it was.
void SaveWorkbookFile(SimWorkbook& book, const std::string& path);

// The open workbook that was loaded from or saved to `path`, or nullptr.
std::shared_ptr<SimWorkbook> FindOpenFile(const SimApplication& app, const std::string& path);

// Reads `path`, adds the workbook to the host as the active one and embeds
// its controls (the container's load sequence). Raises 1004 with one message
// naming the file and the place of a fault; nothing is added then. Does not
// raise WorkbookOpen.
std::shared_ptr<SimWorkbook> LoadWorkbookFile(SimApplication& app, const std::string& path);

}  // namespace velkor::sim
