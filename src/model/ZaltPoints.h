// ZaltPoints: the points the tag search found. item is its default member,
// so a caller may index it without naming item.
#pragma once

#include <memory>
#include <string>

#include "model/ItemCollection.h"
#include "model/ZaltPoint.h"

namespace velkor {

class ZaltPoints : public ItemCollection<ZaltPoint> {
 public:
  // Creates a point, sets its Name, TagName and ServerName in that order,
  // appends it and returns it.
  std::shared_ptr<ZaltPoint> Add(const std::string& name, const std::string& tagName,
                                 const std::string& serverName);

  std::string TypeName() const override { return "ZaltPoints"; }

 protected:
  Variant InvokeAdd(std::span<Variant> args) override;
  bool ItemIsDefaultMember() const override { return true; }
};

}  // namespace velkor
