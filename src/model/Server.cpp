#include "model/Server.h"

#include <array>

#include "model/LateBound.h"

namespace velkor {

namespace {

struct ServerProperty {
  std::string_view name;
  Variant (Server::*get)() const;
  void (Server::*let)(const Variant&);
};

constexpr std::array<ServerProperty, 5> kProperties{{
    {"Port", &Server::Port, &Server::SetPort},
    {"ServerName", &Server::ServerName, &Server::SetServerName},
    {"NodeID", &Server::NodeID, &Server::SetNodeID},
    {"Status", &Server::Status, &Server::SetStatus},
    {"IsDefault", &Server::IsDefault, &Server::SetIsDefault},
}};

}  // namespace

Variant Server::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  for (const auto& p : kProperties)
    if (IsMember(member, p.name))
      return InvokeProperty(
          kind, args, [&] { return (this->*p.get)(); },
          [&](const Variant& v) { (this->*p.let)(v); });
  return Object::Invoke(member, kind, args);
}

}  // namespace velkor
