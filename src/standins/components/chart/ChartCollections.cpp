#include "standins/components/chart/ChartCollections.h"

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "standins/FaultPoints.h"
#include "standins/components/chart/ReadOnlyMember.h"
#include "standins/components/chart/ReorderRule.h"
#include "standins/components/chart/SimTrendChart.h"

namespace velkor::sim {

namespace {

const Variant& Argument(std::span<Variant> args, std::size_t index) {
  static const Variant missing = Variant::Missing();
  return index < args.size() ? args[index] : missing;
}

void RequireArgRange(std::span<Variant> args, std::size_t least, std::size_t most) {
  if (args.size() < least || args.size() > most) Raise(err::kWrongArgCount);
  if (least > 0 && args[0].IsMissing()) Raise(err::kArgNotOptional);
}

}  // namespace

component::DataSourcePtr ChartDataSources::Item(const std::string& name) {
  return chart_->FindSource(name);
}

component::DataSourcePtr ChartDataSources::Add(const std::string& name, const Variant&,
                                               bool connect) {
  return chart_->AddSource(name, connect);
}

Variant ChartDataSources::ItemByIndex(const Variant& index) {
  if (!index.IsNumeric()) return Variant(Item(CStr(index)));
  auto names = chart_->SourceNames();
  auto position = CLng(index);
  if (position < 1 || static_cast<std::size_t>(position) > names.size())
    Raise(err::kSubscriptOutOfRange);
  return Variant(Item(names[static_cast<std::size_t>(position - 1)]));
}

Variant ChartDataSources::Invoke(std::string_view member, InvokeKind kind,
                                 std::span<Variant> args) {
  if (IsMember(member, "Count"))
    return ReadOnlyMember(kind, args, [&] {
      return Variant(static_cast<std::int32_t>(chart_->SourceNames().size()));
    });
  if (IsMember(member, "Item") && IsRead(kind)) {
    RequireArgs(args, 1);
    return ItemByIndex(args[0]);
  }
  if (IsMember(member, "Add") && kind == InvokeKind::Method) {
    RequireArgRange(args, 1, 3);
    const Variant& connect = Argument(args, 2);
    return Variant(Add(CStr(args[0]), Argument(args, 1), connect.IsMissing() || CBool(connect)));
  }
  return Object::Invoke(member, kind, args);
}

std::int32_t ChartTraceCollection::Count() const {
  ThrowIfArmed("Traces.Count");
  return static_cast<std::int32_t>(chart_->ShownTraces().size());
}

component::ChartTracePtr ChartTraceCollection::Item(std::int32_t position) {
  ThrowIfArmed("Traces.Item");
  return chart_->TraceAt(position);
}

void ChartTraceCollection::Reorder(const Variant& order) {
  chart_->ReorderTraces(OrderEntries(order));
}

Variant ChartTraceCollection::Invoke(std::string_view member, InvokeKind kind,
                                     std::span<Variant> args) {
  if (IsMember(member, "Count"))
    return ReadOnlyMember(kind, args, [&] { return Variant(Count()); });
  if (IsMember(member, "Item") && IsRead(kind)) {
    RequireArgs(args, 1);
    return Variant(Item(CLng(args[0])));
  }
  if (IsMember(member, "Reorder") && kind == InvokeKind::Method) {
    RequireArgs(args, 1);
    Reorder(args[0]);
    return {};
  }
  return Object::Invoke(member, kind, args);
}

}  // namespace velkor::sim
