#include "control/SlotArgs.h"

#include "platform/Conversions.h"
#include "platform/VbError.h"

namespace velkor::slots {

namespace {

// Converts an argument as the dispatch layer does before the member runs: a
// Null has no value of a declared type, so it is a type mismatch there
// rather than the conversion functions' Invalid use of Null.
template <class Convert>
auto ConvertArgument(const Variant& v, Convert convert) {
  if (v.IsNull()) Raise(err::kTypeMismatch);
  return convert(v);
}

Variant AsObjectArgument(const Variant& v) {
  if (v.IsEmpty()) return Variant::Nothing();
  if (!v.IsObject()) Raise(err::kTypeMismatch);
  return v;
}

// The value an omitted optional parameter takes.
Variant OmittedValue(const Param& p) {
  if (!p.defaultValue.IsMissing() || p.type.base == BaseType::Variant) return p.defaultValue;
  return Variant();  // Empty converts to each type's empty value
}

}  // namespace

SlotArgs::SlotArgs(const Slot& slot, std::span<const Variant> given) : slot_(slot) {
  if (given.size() > slot.params.size()) Raise(err::kWrongArgCount);
  args_.resize(slot.params.size());
  for (std::size_t i = 0; i < slot.params.size(); ++i) {
    const Param& p = slot.params[i];
    const bool omitted = i >= given.size() || given[i].IsMissing();
    if (omitted && !p.optional)
      Raise(i >= given.size() ? err::kWrongArgCount : err::kArgNotOptional);
    const Variant& v = omitted ? OmittedValue(p) : given[i];
    Arg& arg = args_[i];
    switch (p.type.base) {
      case BaseType::Boolean:
        arg.flag = ConvertArgument(v, CBool);
        break;
      case BaseType::Long:
      case BaseType::Enum:
        arg.number = ConvertArgument(v, CLng);
        break;
      case BaseType::String:
        arg.text = ConvertArgument(v, CStr);
        break;
      case BaseType::Object:
        arg.value = AsObjectArgument(v);
        break;
      case BaseType::Variant:
      case BaseType::None:
        arg.value = v;
        break;
    }
  }
}

SlotArgs::Arg& SlotArgs::At(std::size_t i, BaseType expected) {
  BaseType declared = i < args_.size() ? slot_.params[i].type.base : BaseType::None;
  if (declared == BaseType::Enum) declared = BaseType::Long;
  if (declared != expected)
    Raise(err::kInternal, std::string(slot_.name), "argument read as another type than declared");
  return args_[i];
}

Variant& SlotArgs::operator[](std::size_t i) {
  return At(i, BaseType::Variant).value;
}
std::string& SlotArgs::String(std::size_t i) {
  return At(i, BaseType::String).text;
}
bool& SlotArgs::Boolean(std::size_t i) {
  return At(i, BaseType::Boolean).flag;
}
std::int32_t& SlotArgs::Long(std::size_t i) {
  return At(i, BaseType::Long).number;
}

Variant SlotArgs::TypedValue(std::size_t i) const {
  const Arg& arg = args_[i];
  switch (slot_.params[i].type.base) {
    case BaseType::Boolean:
      return arg.flag;
    case BaseType::Long:
    case BaseType::Enum:
      return arg.number;
    case BaseType::String:
      return arg.text;
    default:
      return arg.value;
  }
}

void SlotArgs::WriteBack(std::span<Variant> given) const {
  for (std::size_t i = 0; i < given.size() && i < args_.size(); ++i) {
    if (slot_.params[i].byRef && !given[i].IsMissing()) given[i] = TypedValue(i);
  }
}

}  // namespace velkor::slots
