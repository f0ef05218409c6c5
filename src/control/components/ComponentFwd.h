// Forward declarations of the outside components' interfaces and the
// shared-pointer names the control holds them by.
#pragma once

#include <memory>

namespace velkor::component {

class TrendChart;
class DataSources;
class DataSource;
class ChartTraces;
class ChartTrace;
class PropertySet;

class ArchiveDataControl;
class ExcelDataControl;

class QueryObject;
class QuerySpecs;
class QuerySpec;
class SpecAttributes;
class SpecAttribute;
class DataObject;
class DataProvider;
class TimeObject;

using TrendChartPtr = std::shared_ptr<TrendChart>;
using DataSourcesPtr = std::shared_ptr<DataSources>;
using DataSourcePtr = std::shared_ptr<DataSource>;
using ChartTracesPtr = std::shared_ptr<ChartTraces>;
using ChartTracePtr = std::shared_ptr<ChartTrace>;
using PropertySetPtr = std::shared_ptr<PropertySet>;
using ArchiveDataControlPtr = std::shared_ptr<ArchiveDataControl>;
using ExcelDataControlPtr = std::shared_ptr<ExcelDataControl>;
using QueryObjectPtr = std::shared_ptr<QueryObject>;
using QuerySpecsPtr = std::shared_ptr<QuerySpecs>;
using QuerySpecPtr = std::shared_ptr<QuerySpec>;
using SpecAttributesPtr = std::shared_ptr<SpecAttributes>;
using SpecAttributePtr = std::shared_ptr<SpecAttribute>;
using DataObjectPtr = std::shared_ptr<DataObject>;
using DataProviderPtr = std::shared_ptr<DataProvider>;
using TimeObjectPtr = std::shared_ptr<TimeObject>;

}  // namespace velkor::component
