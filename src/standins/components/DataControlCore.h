// DataControlCore: what the two stand-in data controls share: their
// specifications and query object, their container site, their language,
// and the data object they hand out with a data-change event.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Event.h"
#include "platform/host/ControlSite.h"
#include "platform/host/PropertyBag.h"
#include "standins/components/DataFeed.h"
#include "standins/components/library/QuerySpecStore.h"
#include "standins/components/library/SimQueryObject.h"

namespace velkor::sim {

class DataControlCore {
 public:
  // `feed` is the control itself; it is told whenever the applied
  // specifications change.
  explicit DataControlCore(DataFeed& feed);
  // Query objects handed out may outlive the control; they must not call
  // back into it then.
  ~DataControlCore() { store->onApplied = nullptr; }
  DataControlCore(const DataControlCore&) = delete;
  DataControlCore& operator=(const DataControlCore&) = delete;

  std::shared_ptr<SpecStore> store = std::make_shared<SpecStore>();
  std::shared_ptr<SimQueryObject> queryObject = std::make_shared<SimQueryObject>(store);
  std::shared_ptr<host::ControlSite> site;
  std::string language;

  // The names of the applied specifications, in order.
  std::vector<std::string> AppliedNames() const;
  void MarkDirty(std::string_view property) const;
  void SetLanguage(const std::string& langId);
  // The workbook the control sits in; nullptr without a site.
  ObjectPtr Workbook() const;
  // After a query: raises `onDataChange` with a data object named like the
  // control's OLE object (`fallbackName` without a site) and the mode, then
  // tells the chart. Returns the data object.
  ObjectPtr AnnounceData(const Event<ObjectPtr, Variant>& onDataChange, std::int32_t mode,
                         std::string_view fallbackName);

  // The specifications and the language, in the property bag. The working
  // list is saved, so that a save inside an open grouped change loses no
  // specification; it is applied again on loading.
  void WriteCommon(host::PropertyBag& bag) const;
  void ReadCommon(host::PropertyBag& bag);

 private:
  DataFeed& feed_;
};

}  // namespace velkor::sim
