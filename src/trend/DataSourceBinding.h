// The steps of trend insertion after the chart is in place: the data
// controls become the chart's data sources, the chart is refreshed when it
// may show stale data, and the data controls' grouped changes end.
#pragma once

#include "control/Statements.h"

namespace velkor {

class ExcelTrendWizard;

// Hands each existing data control the language and, when it holds
// specifications and was not removed, connects it to the chart once.
void BindDataSources(ExcelTrendWizard& c, Statements& run);

// Refreshes an existing chart (not one created by this insertion) after a
// grouped change or when a data control holds data to show.
void RefreshWhenNeeded(ExcelTrendWizard& c, bool newChart, Statements& run);

// Ends the grouped change of each existing data control, begun or not.
void EndGroupedChanges(ExcelTrendWizard& c, Statements& run);

}  // namespace velkor
