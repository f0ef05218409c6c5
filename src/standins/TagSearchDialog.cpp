#include "standins/TagSearchDialog.h"

#include <deque>

#include "control/components/ProgIds.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbString.h"
#include "standins/FaultPoints.h"

namespace velkor::sim {

namespace {

using Rows = std::vector<std::array<std::string, 2>>;

thread_local std::deque<Rows> tScripted;

Rows NextScripted() {
  if (tScripted.empty()) return {};
  Rows rows = std::move(tScripted.front());
  tScripted.pop_front();
  return rows;
}

SafeArray PointsArray(const Rows& rows) {
  const auto count = static_cast<std::int32_t>(rows.size());
  SafeArray points(SafeArray::Bound{0, count}, SafeArray::Bound{0, 2});
  for (std::int32_t row = 0; row < count; ++row) {
    for (std::int32_t column = 0; column < 2; ++column) {
      points.at(row, column) = Variant(rows[static_cast<std::size_t>(row)][column]);
    }
  }
  return points;
}

}  // namespace

void ScriptTagSearch(Rows rows) {
  tScripted.push_back(std::move(rows));
}

void ClearTagSearchScript() {
  tScripted.clear();
}

Variant TagSearchDialog::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  if (kind != InvokeKind::Method || !vb::EqualsText(member, component::kTagSearchShowMethod)) {
    return Object::Invoke(member, kind, args);
  }
  ThrowIfArmed("TagSearchDialog.ShowDialog");
  if (args.size() != 1) Raise(err::kWrongArgCount);
  if (args[0].IsMissing()) Raise(err::kArgNotOptional);
  lastParent_ = CLng(args[0]);
  return Variant(PointsArray(NextScripted()));
}

}  // namespace velkor::sim
