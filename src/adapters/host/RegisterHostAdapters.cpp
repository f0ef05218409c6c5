#include "adapters/InstallAdapters.h"
#include "adapters/host/LateApplication.h"
#include "adapters/host/LateLanguageSettings.h"
#include "adapters/host/LateOLEObjects.h"
#include "adapters/host/LateRange.h"
#include "adapters/host/LateWorkbooks.h"
#include "adapters/host/LateWorksheets.h"

namespace velkor::adapters {

void RegisterHostAdapters() {
  RegisterAdapter<host::Application, LateApplication>();
  RegisterAdapter<host::Workbooks, LateWorkbooks>();
  RegisterAdapter<host::Workbook, LateWorkbook>();
  RegisterAdapter<host::Worksheets, LateWorksheets>();
  RegisterAdapter<host::Worksheet, LateWorksheet>();
  RegisterAdapter<host::Range, LateRange>();
  RegisterAdapter<host::OLEObjects, LateOLEObjects>();
  RegisterAdapter<host::OLEObject, LateOLEObject>();
  RegisterAdapter<host::LanguageSettings, LateLanguageSettings>();
}

}  // namespace velkor::adapters
