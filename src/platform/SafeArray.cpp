#include <limits>

#include "platform/ErrorNumbers.h"
#include "platform/Variant.h"

namespace velkor {

namespace {

// A bound whose upper end does not fit a Long cannot be indexed.
void CheckBound(const SafeArray::Bound& b) {
  const auto upper = std::int64_t{b.lower} + b.count - 1;
  if (b.count < 0 || upper > std::numeric_limits<std::int32_t>::max() ||
      upper < std::numeric_limits<std::int32_t>::min()) {
    Raise(err::kSubscriptOutOfRange);
  }
}

std::size_t IndexIn(const SafeArray::Bound& b, std::int32_t i) {
  const auto k = std::int64_t{i} - b.lower;
  if (k < 0 || k >= b.count) Raise(err::kSubscriptOutOfRange);
  return static_cast<std::size_t>(k);
}

}  // namespace

SafeArray::SafeArray(std::vector<Variant> items, std::int32_t lower) : items_(std::move(items)) {
  if (items_.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    Raise(err::kOutOfMemory);
  }
  Bound b{lower, static_cast<std::int32_t>(items_.size())};
  CheckBound(b);
  bounds_.push_back(b);
}

SafeArray::SafeArray(Bound rows, Bound columns) {
  CheckBound(rows);
  CheckBound(columns);
  const auto total = std::int64_t{rows.count} * columns.count;
  if (total > std::numeric_limits<std::int32_t>::max()) Raise(err::kOutOfMemory);
  bounds_ = {rows, columns};
  items_.resize(static_cast<std::size_t>(total));
}

SafeArray::Bound SafeArray::Bounds(int dimension) const {
  if (dimension < 1 || dimension > Dimensions()) Raise(err::kSubscriptOutOfRange);
  return bounds_[static_cast<std::size_t>(dimension - 1)];
}

std::size_t SafeArray::Offset(std::int32_t i) const {
  if (Dimensions() != 1) Raise(err::kSubscriptOutOfRange);
  return IndexIn(bounds_[0], i);
}

std::size_t SafeArray::Offset(std::int32_t i, std::int32_t j) const {
  if (Dimensions() != 2) Raise(err::kSubscriptOutOfRange);
  return IndexIn(bounds_[0], i) * static_cast<std::size_t>(bounds_[1].count) +
         IndexIn(bounds_[1], j);
}

const Variant& SafeArray::at(std::int32_t i) const {
  return items_[Offset(i)];
}
Variant& SafeArray::at(std::int32_t i) {
  return items_[Offset(i)];
}
const Variant& SafeArray::at(std::int32_t i, std::int32_t j) const {
  return items_[Offset(i, j)];
}
Variant& SafeArray::at(std::int32_t i, std::int32_t j) {
  return items_[Offset(i, j)];
}

}  // namespace velkor
