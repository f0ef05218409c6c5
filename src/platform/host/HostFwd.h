// Forward declarations of the host object model (the spreadsheet application).
#pragma once

#include <memory>

namespace velkor::host {

class Application;
class Workbook;
class Worksheet;
class Range;
class OLEObject;

using ApplicationPtr = std::shared_ptr<Application>;
using WorkbookPtr = std::shared_ptr<Workbook>;
using WorksheetPtr = std::shared_ptr<Worksheet>;
using RangePtr = std::shared_ptr<Range>;
using OLEObjectPtr = std::shared_ptr<OLEObject>;

}  // namespace velkor::host
