// Forward declarations of the host object model (the spreadsheet application).
#pragma once

#include <memory>

namespace velkor::host {

class Application;
class Workbook;
class Worksheet;
class Range;
class OLEObject;
class Workbooks;
class Worksheets;
class OLEObjects;
class LanguageSettings;

using ApplicationPtr = std::shared_ptr<Application>;
using WorkbookPtr = std::shared_ptr<Workbook>;
using WorksheetPtr = std::shared_ptr<Worksheet>;
using RangePtr = std::shared_ptr<Range>;
using OLEObjectPtr = std::shared_ptr<OLEObject>;
using WorkbooksPtr = std::shared_ptr<Workbooks>;
using WorksheetsPtr = std::shared_ptr<Worksheets>;
using OLEObjectsPtr = std::shared_ptr<OLEObjects>;
using LanguageSettingsPtr = std::shared_ptr<LanguageSettings>;

}  // namespace velkor::host
