// Servers: the known archive servers. Unlike ZaltPoints it has no default
// member: item must be named.
#pragma once

#include <memory>
#include <string>

#include "model/ItemCollection.h"
#include "model/Server.h"

namespace velkor {

class Servers : public ItemCollection<Server> {
 public:
  // Creates a server, sets its ServerName, NodeID and Port in that order,
  // appends it and returns it; IsDefault stays Empty.
  std::shared_ptr<Server> Add(const Variant& serverName, const Variant& nodeID,
                              const Variant& port);

  std::string TypeName() const override { return "Servers"; }

 protected:
  Variant InvokeAdd(std::span<Variant> args) override;
  bool ItemIsDefaultMember() const override { return false; }
};

}  // namespace velkor
