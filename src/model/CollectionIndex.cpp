#include "model/CollectionIndex.h"

#include <cstdint>

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"

namespace velkor {

namespace {

std::int32_t Position(const Variant& index) {
  if (!index.IsNumeric()) Raise(err::kInvalidProcedureCall);
  try {
    return CLng(index);
  } catch (const VbError&) {
    Raise(err::kInvalidProcedureCall);  // too large to be any position
  }
}

}  // namespace

std::size_t ItemOffset(const Variant& index, std::size_t count) {
  const std::int32_t position = Position(index);
  if (position < 1 || static_cast<std::size_t>(position) > count) Raise(err::kInvalidProcedureCall);
  return static_cast<std::size_t>(position) - 1;
}

}  // namespace velkor
