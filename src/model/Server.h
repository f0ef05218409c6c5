// Server: one known archive server. Its properties keep any value unchanged;
// Status keeps nothing.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/Object.h"

namespace velkor {

class Server : public Object {
 public:
  Variant Port() const { return port_; }
  void SetPort(const Variant& value) { port_ = value; }
  Variant ServerName() const { return serverName_; }
  void SetServerName(const Variant& value) { serverName_ = value; }
  Variant NodeID() const { return nodeID_; }
  void SetNodeID(const Variant& value) { nodeID_ = value; }
  // What a server status should hold is not settled: always Empty.
  Variant Status() const { return {}; }
  void SetStatus(const Variant&) {}
  Variant IsDefault() const { return isDefault_; }
  void SetIsDefault(const Variant& value) { isDefault_ = value; }

  std::string TypeName() const override { return "Server"; }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

 private:
  Variant port_;
  Variant serverName_;
  Variant nodeID_;
  Variant isDefault_;
};

}  // namespace velkor
