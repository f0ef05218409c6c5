#include "standins/components/library/BagFields.h"

#include "platform/Conversions.h"
#include "platform/VbError.h"

namespace velkor::sim {

namespace {

constexpr std::int32_t kMaxListEntries = 10000;

template <class Convert>
auto ReadField(host::PropertyBag& bag, std::string_view key, const Variant& fallback,
               Convert convert) -> decltype(convert(fallback)) {
  try {
    return convert(bag.ReadProperty(key, fallback));
  } catch (const VbError&) {
    return convert(fallback);
  }
}

}  // namespace

std::string ReadTextField(host::PropertyBag& bag, std::string_view key, std::string_view fallback) {
  return ReadField(bag, key, Variant(fallback), [](const Variant& v) { return CStr(v); });
}

bool ReadFlagField(host::PropertyBag& bag, std::string_view key, bool fallback) {
  return ReadField(bag, key, Variant(fallback), [](const Variant& v) { return CBool(v); });
}

std::int32_t ReadLongField(host::PropertyBag& bag, std::string_view key, std::int32_t fallback) {
  return ReadField(bag, key, Variant(fallback), [](const Variant& v) { return CLng(v); });
}

std::size_t ReadCountField(host::PropertyBag& bag, std::string_view key) {
  std::int32_t count = ReadLongField(bag, key, 0);
  return count < 0 || count > kMaxListEntries ? 0 : static_cast<std::size_t>(count);
}

bool HasField(host::PropertyBag& bag, std::string_view key) {
  // Missing is no value a bag can store, so it comes back only as the default.
  return !bag.ReadProperty(key, Variant::Missing()).IsMissing();
}

}  // namespace velkor::sim
