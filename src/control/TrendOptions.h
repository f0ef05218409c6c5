// The trend's title and value-attribute display: properties of the chart
// that also answer before the chart exists (from the trend settings), and the
// pending values the next trend insertion hands to a new chart.
#pragma once

#include <functional>
#include <string>

namespace velkor {

class ExcelTrendWizard;

// Without a chart the written value is dropped; xTrendTitle holds a title
// for the next insertion.
void let_TrendTitle(ExcelTrendWizard& c, const std::string& vNewValue);
// The chart's title; without a chart the "TrendTitle" setting of
// "Trend Area", or the localized default title when that is empty. Errors
// reach the caller.
std::string TrendTitle(ExcelTrendWizard& c);

void let_ValueAttributes(ExcelTrendWizard& c, bool vData);
// The chart's switch; without a chart the "ValueAttributesVisible" setting
// of "Trend Area" ("0" hides, any other text shows), true when unset.
bool ValueAttributes(ExcelTrendWizard& c);

// Runs one statement of a caller's error rule (for instance one that skips
// some error numbers and goes on with the next statement).
using StatementRunner = std::function<void(const std::function<void()>& statement)>;

// Hands the pending title, then the pending value-attributes switch, to the
// chart, each in its own property-set round trip, and clears each pending
// flag, also when there is no chart. Each statement goes through `run`;
// without one, a failure ends the call with its error.
void ApplyPendingOptions(ExcelTrendWizard& c, const StatementRunner& run = {});

}  // namespace velkor
