#include "platform/host/Application.h"

#include <vector>

#include "platform/Conversions.h"
#include "platform/EventsByName.h"
#include "platform/host/HostModel.h"
#include "platform/host/LateBinding.h"

namespace velkor::host {

Variant Application::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  using late::Arg;
  const late::Member members[] = {
      late::Getter("Application", [this] { return shared_from_this(); }),
      late::Getter("Workbooks", [this] { return Workbooks(); }),
      late::Getter("ActiveWorkbook", [this] { return ActiveWorkbook(); }),
      late::Getter("ActiveSheet", [this] { return ActiveSheet(); }),
      late::Getter("ActiveCell", [this] { return ActiveCell(); }),
      late::Getter("LanguageSettings", [this] { return LanguageSettings(); }),
      late::Property(
          "ScreenMousePointer", [this] { return ScreenMousePointer(); },
          [this](const Variant& v) { SetScreenMousePointer(CLng(v)); }),
      {"Intersect", 2, 2,
       [this](std::span<Variant> a) {
         return Variant(Intersect(a[0].ObjectAs<Range>(), a[1].ObjectAs<Range>()));
       }},
      {"ConvertFormula", 2, 5,
       [this](std::span<Variant> a) {
         return ConvertFormula(a[0], CLng(a[1]), Arg(a, 2).IsMissing() ? CLng(a[1]) : CLng(a[2]));
       }},
      {"Run", 1, 31,
       [this](std::span<Variant> a) {
         return Run(CStr(a[0]), std::vector<Variant>(a.begin() + 1, a.end()));
       }},
  };
  return late::Dispatch(members, member, kind, args);
}

EventSubscription Application::ConnectEvents(EventSink sink) {
  auto shared = std::make_shared<EventSink>(std::move(sink));
  std::vector<Connection> connections;
  connections.push_back(events::ForwardByName(SheetChange, "SheetChange", shared));
  connections.push_back(events::ForwardByName(SheetCalculate, "SheetCalculate", shared));
  connections.push_back(events::ForwardByName(WorkbookOpen, "WorkbookOpen", shared));
  connections.push_back(events::ForwardByName(WorkbookBeforeClose, "WorkbookBeforeClose", shared));
  return events::Hold(std::move(connections));
}

}  // namespace velkor::host
