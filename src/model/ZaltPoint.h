// ZaltPoint: one archive tag found by the tag search. Its properties take any
// value and keep it as text.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/Object.h"

namespace velkor {

class ZaltPoint : public Object {
 public:
  Variant Name() const { return Variant(name_); }
  void SetName(const Variant& value);
  Variant ServerName() const { return Variant(serverName_); }
  void SetServerName(const Variant& value);
  Variant TagName() const { return Variant(tagName_); }
  void SetTagName(const Variant& value);

  std::string TypeName() const override { return "ZaltPoint"; }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

 private:
  std::string name_;
  std::string serverName_;
  std::string tagName_;
};

}  // namespace velkor
