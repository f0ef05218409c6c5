// SimDataProvider: the worksheet data control's data provider. It names the
// control it comes from; a query object that holds it reads that control's
// cells.
#pragma once

#include <string>

#include "control/components/DataProvider.h"

namespace velkor::sim {

class SimDataProvider : public component::DataProvider {
 public:
  explicit SimDataProvider(std::weak_ptr<Object> control) : control_(std::move(control)) {}

  std::string TypeName() const override { return "DataProvider"; }
  ObjectPtr Control() const { return control_.lock(); }

 private:
  std::weak_ptr<Object> control_;
};

}  // namespace velkor::sim
