// The by-name boundary of the runner: what crosses a view in each direction,
// and what the control is never handed a view of.
#include "standins/ForeignView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/ExcelTrendWizard.h"
#include "platform/Conversions.h"
#include "standins/SimServices.h"
#include "standins/host/HostDriver.h"
#include "standins/host/SimApplication.h"
#include "standins/host/SimWorkbook.h"
#include "standins/host/SimWorksheet.h"

namespace velkor::sim {
namespace {

bool IsView(const ObjectPtr& object) {
  return dynamic_cast<ForeignView*>(object.get()) != nullptr;
}

// Records what reaches it and hands back what it is told.
class Probe : public Object {
 public:
  std::string TypeName() const override { return "Probe"; }
  Variant Invoke(std::string_view member, InvokeKind, std::span<Variant> args) override {
    // Raw pointers only: holding the arguments would keep the probe alive.
    received.clear();
    for (const Variant& arg : args)
      received.push_back(arg.IsObject() ? arg.AsObject().get() : nullptr);
    if (member == "Fill" && !args.empty()) args[0] = Variant(std::string("filled"));
    if (member == "Items") {
      std::vector<Variant> items{Variant(ObjectPtr(std::make_shared<Probe>())), Variant(7)};
      return Variant(SafeArray(std::move(items), 0));
    }
    return Variant(ObjectPtr(shared_from_this()));
  }
  std::vector<const Object*> received;
};

TEST(ForeignView, ObjectsComeBackAsViewsAndGoOutAsThemselves) {
  auto probe = std::make_shared<Probe>();
  ObjectPtr view = ForeignView::Wrap(probe);
  ASSERT_TRUE(IsView(view));
  EXPECT_EQ(view->TypeName(), "Probe");
  EXPECT_EQ(ForeignView::Wrap(view), view) << "no view of a view";
  EXPECT_EQ(ForeignView::Wrap(nullptr), nullptr);

  Variant args[] = {Variant(view), Variant(3)};
  Variant result = view->Invoke("Echo", InvokeKind::Method, args);
  EXPECT_EQ(probe->received[0], probe.get()) << "the stand-in gets itself back";
  EXPECT_TRUE(IsView(result.AsObject()));
  EXPECT_TRUE(SameObject(result.AsObject(), view));
  EXPECT_EQ(args[0].AsObject(), view) << "object arguments stay what the caller passed";
}

TEST(ForeignView, WrittenBackArgumentsAndArraysCrossToo) {
  ObjectPtr view = ForeignView::Wrap(std::make_shared<Probe>());
  Variant text[] = {Variant(std::string("empty"))};
  view->Invoke("Fill", InvokeKind::Method, text);
  EXPECT_EQ(CStr(text[0]), "filled");

  Variant items = view->Invoke("Items", InvokeKind::Method, {});
  ASSERT_TRUE(items.IsArray());
  EXPECT_EQ(items.AsArray().LBound(), 0);
  EXPECT_TRUE(IsView(items.AsArray().at(0).AsObject()));
  EXPECT_EQ(CLng(items.AsArray().at(1)), 7);
}

TEST(ForeignView, TheControlsOwnObjectsAreNeverWrapped) {
  InstallSimServices();
  auto control = std::make_shared<ExcelTrendWizard>();
  EXPECT_EQ(ForeignView::Wrap(control), ObjectPtr(control));
}

TEST(ForeignView, HostEventsArriveAsViewsWithCancelWrittenBack) {
  InstallSimServices();
  auto app = SimApplication::Create();
  HostDriver driver(app);
  auto book = driver.NewWorkbook();
  ObjectPtr view = ForeignView::Wrap(app);
  std::vector<std::string> seen;
  EventSubscription subscription =
      view->ConnectEvents([&](std::string_view name, std::span<Variant> args) {
        seen.push_back(std::string(name) + (IsView(args[0].AsObject()) ? " view" : " raw"));
        if (name == "WorkbookBeforeClose") args[1] = Variant(true);
      });
  bool cancel = false;
  app->WorkbookBeforeClose.Raise(book, cancel);
  EXPECT_TRUE(cancel);
  app->SheetCalculate.Raise(book->ActiveSimSheet());
  subscription.Disconnect();
  app->SheetCalculate.Raise(book->ActiveSimSheet());
  EXPECT_EQ(seen, (std::vector<std::string>{"WorkbookBeforeClose view", "SheetCalculate view"}));
  app->Quit();
}

}  // namespace
}  // namespace velkor::sim
