#include "standins/components/chart/ReorderRule.h"

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"

namespace velkor::sim {

namespace {

std::int32_t EntryOrZero(const Variant& element) {
  try {
    return CLng(element);
  } catch (const VbError&) {
    return 0;
  }
}

}  // namespace

std::vector<std::size_t> ReorderPermutation(std::size_t count,
                                            std::span<const std::int32_t> entries) {
  std::vector<std::size_t> order;
  order.reserve(count);
  std::vector<bool> placed(count, false);
  for (std::int32_t entry : entries) {
    if (entry < 1 || static_cast<std::size_t>(entry) > count) continue;
    auto index = static_cast<std::size_t>(entry - 1);
    if (placed[index]) continue;
    placed[index] = true;
    order.push_back(index);
  }
  for (std::size_t index = 0; index < count; ++index)
    if (!placed[index]) order.push_back(index);
  return order;
}

std::vector<std::int32_t> OrderEntries(const Variant& order) {
  if (!order.IsArray()) Raise(err::kTypeMismatch);
  std::vector<std::int32_t> entries;
  entries.reserve(order.AsArray().size());
  for (const Variant& element : order.AsArray().items()) entries.push_back(EntryOrZero(element));
  return entries;
}

}  // namespace velkor::sim
