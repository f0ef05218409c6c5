// Adding and removing the query specifications of the two data controls,
// their query objects, re-querying and reverting. Each operation reports its
// failures under its own name and returns normally, except that a duplicate
// archive trace is shown to the user and raised to the caller.
#pragma once

#include <cstdint>
#include <string>

#include "control/components/ComponentFwd.h"
#include "platform/Variant.h"

namespace velkor {

class ExcelTrendWizard;

// Adds the traces of the cell range `QueryRange` to the worksheet data
// control, creating it on first use. Filter and TimeZone are accepted and
// not used.
void ExcelAddQuerySpecs(ExcelTrendWizard& c, std::string& QueryRange,
                        const Variant& FirstRowColHasNames = Variant(std::int16_t{0}),
                        const Variant& RangeIsRowWise = Variant(std::int16_t{0}),
                        const Variant& Stepped = Variant(std::int16_t{0}),
                        const Variant& RangeIsStatic = Variant(std::int16_t{0}),
                        const Variant& Filter = Variant(""),
                        const Variant& TimeZone = Variant::Missing(),
                        const Variant& Markers = Variant(false));
// Removes a worksheet specification by position or name.
void ExcelRemoveQuerySpec(ExcelTrendWizard& c, const Variant& item);

// Adds an archive trace for (Server, TagName), both trimmed in place, over
// the archive data control's current time range, creating the control on
// first use. StartTime, EndTime, Filter and TimeZone are accepted and not
// used. A trace name the control already holds shows "Duplicated trace
// names." and raises 0x8004F003 with source "ZaltAddQuerySpec".
void ZaltAddQuerySpec(ExcelTrendWizard& c, std::string& Server, std::string& TagName,
                      const Variant& StartTime = Variant("*-8H"),
                      const Variant& EndTime = Variant("*"), const Variant& Filter = Variant(""),
                      const Variant& TimeZone = Variant::Missing(), bool MarkersOn = false);
// Removes the archive specification at `item` (position or name); one the
// data control does not hold is ignored.
void ZaltRemoveQuerySpec(ExcelTrendWizard& c, const Variant& item);
// Returns the archive data control to its last applied state.
void ZaltRevert(ExcelTrendWizard& c);

// The data controls' query objects; reading one creates its data control,
// hidden, when the control holds none yet. nullptr when that fails.
component::QueryObjectPtr ZaltQueryObject(ExcelTrendWizard& c);
component::QueryObjectPtr ExcelQueryObject(ExcelTrendWizard& c);

// Re-queries the archive data control, then the worksheet data control.
void QueryData(ExcelTrendWizard& c, std::int32_t Mode);

}  // namespace velkor
