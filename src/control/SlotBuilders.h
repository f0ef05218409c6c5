// SlotBuilders: the short forms in which the published member tables are
// written (Slots.cpp, PublishedClasses.cpp). Only those two files include it.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "control/Slots.h"

namespace velkor::slots::build {

inline constexpr TypeRef kVariant{BaseType::Variant, {}};
inline constexpr TypeRef kBoolean{BaseType::Boolean, {}};
inline constexpr TypeRef kLong{BaseType::Long, {}};
inline constexpr TypeRef kString{BaseType::String, {}};

enum Visibility { kShown, kHidden, kHiddenNonBrowsable };

inline Param In(std::string_view name, TypeRef type) {
  return {name, type, false, false};
}
inline Param Ref(std::string_view name, TypeRef type) {
  return {name, type, true, false};
}
inline Param Opt(std::string_view name, TypeRef type, Variant def = Variant::Missing()) {
  return {name, type, false, true, std::move(def)};
}
inline Param OptRef(std::string_view name, TypeRef type, Variant def = Variant::Missing()) {
  return {name, type, true, true, std::move(def)};
}

inline Slot Make(std::string_view name, SlotKind kind, std::vector<Param> params, TypeRef result,
                 Visibility vis) {
  return {name, kind, std::move(params), result, vis != kShown, vis == kHiddenNonBrowsable};
}
inline Slot Get(std::string_view name, TypeRef type, Visibility vis = kShown) {
  return Make(name, SlotKind::Get, {}, type, vis);
}
inline Slot Let(std::string_view name, std::string_view param, TypeRef type,
                Visibility vis = kShown) {
  return Make(name, SlotKind::Let, {In(param, type)}, {}, vis);
}
inline Slot LetRef(std::string_view name, std::string_view param, TypeRef type, Visibility vis) {
  return Make(name, SlotKind::Let, {Ref(param, type)}, {}, vis);
}
inline Slot Method(std::string_view name, std::vector<Param> params, TypeRef result = {},
                   Visibility vis = kShown) {
  return Make(name, SlotKind::Method, std::move(params), result, vis);
}

}  // namespace velkor::slots::build
