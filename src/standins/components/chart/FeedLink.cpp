#include "standins/components/chart/FeedLink.h"

#include "platform/host/OLEObject.h"
#include "standins/components/chart/WorkbookObjects.h"

namespace velkor::sim {

bool FeedLink::Connect(const ObjectPtr& workbook, std::function<void()> onChanged) {
  if (Feed()) return false;
  auto frame = FindObjectByName(workbook, Name());
  if (!frame) return false;
  ObjectPtr control = frame->Object();
  auto* feed = dynamic_cast<DataFeed*>(control.get());
  if (!feed) return false;
  control_ = control;
  feed_ = feed;
  changed_ = feed->FeedChanged.Connect(std::move(onChanged));
  return true;
}

std::shared_ptr<const DataFeed> FeedLink::Feed() const {
  auto control = control_.lock();
  if (!control) return nullptr;
  return std::shared_ptr<const DataFeed>(control, feed_);
}

}  // namespace velkor::sim
