// FeedLink: one data source of the chart and, once the chart has found it,
// the data control that feeds it. The control is looked up by OLE object
// name on every sheet of the chart's workbook; the link holds it weakly, so
// a deleted data control simply stops feeding.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/Event.h"
#include "platform/Object.h"
#include "standins/components/DataFeed.h"
#include "standins/components/chart/ChartObjects.h"

namespace velkor::sim {

class FeedLink {
 public:
  explicit FeedLink(std::string name)
      : source_(std::make_shared<ChartDataSource>(std::move(name))) {}

  std::string Name() const { return source_->Name(); }
  const std::shared_ptr<ChartDataSource>& Source() const { return source_; }

  // Looks the data control up unless the link is live, and on success calls
  // `onChanged` on every FeedChanged of the control. Returns true when the
  // link went live with this call. An absent name, or an object that is no
  // data feed, leaves the link waiting.
  bool Connect(const ObjectPtr& workbook, std::function<void()> onChanged);

  // The feed while its data control lives; nullptr otherwise.
  std::shared_ptr<const DataFeed> Feed() const;

 private:
  std::shared_ptr<ChartDataSource> source_;
  std::weak_ptr<Object> control_;
  const DataFeed* feed_ = nullptr;
  Connection changed_;
};

}  // namespace velkor::sim
