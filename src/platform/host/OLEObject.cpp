#include "platform/host/OLEObject.h"

#include "platform/Conversions.h"
#include "platform/host/HostModel.h"
#include "platform/host/LateBinding.h"

namespace velkor::host {

Variant OLEObject::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  using late::Property;
  const late::Member members[] = {
      Property(
          "Name", [this] { return Name(); }, [this](const Variant& v) { SetName(CStr(v)); }),
      late::Getter("progID", [this] { return ProgID(); }),
      late::Getter("Object", [this] { return Object(); }),
      late::Action("Delete", [this] { Delete(); }),
      Property(
          "Top", [this] { return Top(); }, [this](const Variant& v) { SetTop(CDbl(v)); }),
      Property(
          "Left", [this] { return Left(); }, [this](const Variant& v) { SetLeft(CDbl(v)); }),
      Property(
          "Width", [this] { return Width(); }, [this](const Variant& v) { SetWidth(CDbl(v)); }),
      Property(
          "Height", [this] { return Height(); }, [this](const Variant& v) { SetHeight(CDbl(v)); }),
      Property(
          "Visible", [this] { return Visible(); },
          [this](const Variant& v) { SetVisible(CBool(v)); }),
      late::Action("Activate", [this] { Activate(); }),
      late::Getter("Parent", [this] { return Parent(); }),
  };
  return late::Dispatch(members, member, kind, args);
}

}  // namespace velkor::host
