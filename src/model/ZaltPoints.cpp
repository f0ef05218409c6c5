#include "model/ZaltPoints.h"

#include "platform/Conversions.h"

namespace velkor {

std::shared_ptr<ZaltPoint> ZaltPoints::Add(const std::string& name, const std::string& tagName,
                                           const std::string& serverName) {
  auto point = std::make_shared<ZaltPoint>();
  point->SetName(Variant(name));
  point->SetTagName(Variant(tagName));
  point->SetServerName(Variant(serverName));
  return Append(std::move(point));
}

Variant ZaltPoints::InvokeAdd(std::span<Variant> args) {
  RequireArgs(args, 3);
  return Variant(Add(CStr(args[0]), CStr(args[1]), CStr(args[2])));
}

}  // namespace velkor
