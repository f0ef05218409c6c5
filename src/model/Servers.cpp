#include "model/Servers.h"

namespace velkor {

std::shared_ptr<Server> Servers::Add(const Variant& serverName, const Variant& nodeID,
                                     const Variant& port) {
  auto server = std::make_shared<Server>();
  server->SetServerName(serverName);
  server->SetNodeID(nodeID);
  server->SetPort(port);
  return Append(std::move(server));
}

Variant Servers::InvokeAdd(std::span<Variant> args) {
  RequireArgs(args, 3);
  return Variant(Add(args[0], args[1], args[2]));
}

}  // namespace velkor
