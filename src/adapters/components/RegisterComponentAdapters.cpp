#include "adapters/InstallAdapters.h"
#include "adapters/components/LateChart.h"
#include "adapters/components/LateDataControls.h"
#include "adapters/components/LateDataLibrary.h"

namespace velkor::adapters {

void RegisterComponentAdapters() {
  RegisterAdapter<component::TrendChart, LateTrendChart>();
  RegisterAdapter<component::DataSources, LateDataSources>();
  RegisterAdapter<component::DataSource, LateDataSource>();
  RegisterAdapter<component::ChartTraces, LateChartTraces>();
  RegisterAdapter<component::ChartTrace, LateChartTrace>();
  RegisterAdapter<component::PropertySet, LatePropertySet>();
  RegisterAdapter<component::ExcelDataControl, LateExcelDataControl>();
  RegisterAdapter<component::ArchiveDataControl, LateArchiveDataControl>();
  RegisterAdapter<component::QueryObject, LateQueryObject>();
  RegisterAdapter<component::QuerySpecs, LateQuerySpecs>();
  RegisterAdapter<component::QuerySpec, LateQuerySpec>();
  RegisterAdapter<component::SpecAttributes, LateSpecAttributes>();
  RegisterAdapter<component::SpecAttribute, LateSpecAttribute>();
  RegisterAdapter<component::DataObject, LateDataObject>();
  RegisterAdapter<component::DataProvider, LateDataProvider>();
  RegisterAdapter<component::TimeObject, LateTimeObject>();
}

}  // namespace velkor::adapters
