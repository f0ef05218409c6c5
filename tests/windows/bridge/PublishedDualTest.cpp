// The generated dual interfaces over the project's own published classes:
// ZaltPoints and ZaltPoint behind DispatchOf with the type information of the
// built type library, called through their vtables as an early-bound client
// calls them and through IDispatch as a script does.
#include <windows.h>

#include <oleauto.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "BridgeTestSupport.h"
#include "DualThunks.h"
#include "com/bridge/Bstr.h"
#include "com/bridge/DispatchObject.h"
#include "com/bridge/ErrorBridge.h"
#include "com/bridge/LiveObjects.h"
#include "com/bridge/ObjectDispatch.h"
#include "com/bridge/VariantBridge.h"
#include "model/ZaltPoints.h"
#include "windows/WinePath.h"

namespace velkor::com::testing {
namespace {

ComPtr<ITypeInfo> TypeInfoOf(REFIID iid) {
  ComPtr<ITypeLib> library;
  EXPECT_EQ(LoadTypeLibEx(WindowsPath(VELKOR_TYPELIB_TLB).c_str(), REGKIND_NONE, library.Out()),
            S_OK);
  ComPtr<ITypeInfo> info;
  if (library) {
    EXPECT_EQ(library->GetTypeInfoOfGuid(iid, info.Out()), S_OK);
  }
  return info;
}

// How the server exposes a ZaltPoint: through its dual interface.
IDispatch* ExposeZaltPoint(ObjectPtr point) {
  return DispatchOf<ZaltPointDual>::Create(std::move(point), TypeInfoOf(ZaltPointDual::Iid()).get(),
                                           ZaltPointDual::Iid());
}

class PublishedDualTest : public ::testing::Test {
 protected:
  void SetUp() override {
    liveBefore_ = LiveObjectCount();
    RegisterExposer("ZaltPoint", ExposeZaltPoint);
    points = std::make_shared<ZaltPoints>();
    dual = ComPtr<ZaltPointsDual>::Adopt(
        static_cast<ZaltPointsDual*>(DispatchOf<ZaltPointsDual>::Create(
            points, TypeInfoOf(ZaltPointsDual::Iid()).get(), ZaltPointsDual::Iid())));
  }
  void TearDown() override {
    dual.Reset();
    RegisterExposer("ZaltPoint", ExposeGeneric);
    EXPECT_EQ(LiveObjectCount(), liveBefore_);
  }

  std::string NameOf(_ZaltPoint* point) {
    ComVariant name;
    EXPECT_EQ(point->get_Name(name.get()), S_OK);
    return Describe(name.value());
  }

  std::shared_ptr<ZaltPoints> points;
  ComPtr<ZaltPointsDual> dual;

 private:
  long liveBefore_ = 0;
};

TEST_F(PublishedDualTest, VtableCallsReachTheCollectionAndHandOutDualItems) {
  Bstr name("P1"), tag("Tag1"), server("Srv");
  ComPtr<_ZaltPoint> added;
  ASSERT_EQ(dual->Add(name.get(), tag.get(), server.get(), added.Out()), S_OK);
  ASSERT_TRUE(added);
  EXPECT_EQ(NameOf(added.get()), "String \"P1\"");
  EXPECT_EQ(UnwrapObject(added.get()), points->item(Variant(1)));

  LONG count = 0;
  EXPECT_EQ(dual->Count(&count), S_OK);
  EXPECT_EQ(count, 1);

  ComVariant index(Variant(1));
  ComPtr<_ZaltPoint> first;
  ASSERT_EQ(dual->item(*index, first.Out()), S_OK);
  EXPECT_EQ(NameOf(first.get()), "String \"P1\"");

  ComPtr<IUnknown> enumerator;
  ASSERT_EQ(dual->NewEnum(enumerator.Out()), S_OK);
  auto items = enumerator.As<IEnumVARIANT>(IID_IEnumVARIANT);
  ASSERT_TRUE(items);
  const std::vector<Variant> all = EnumerateItems(items.get());
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].AsObject(), points->item(Variant(1)));
}

TEST_F(PublishedDualTest, AFailingVtableCallReturnsTheErrorAndNoItem) {
  ComVariant index(Variant(5));
  _ZaltPoint* none = reinterpret_cast<_ZaltPoint*>(0x1);
  EXPECT_EQ(static_cast<std::uint32_t>(dual->item(*index, &none)), 0x800A0005u);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(ErrorFromHresult(static_cast<::HRESULT>(0x800A0005)).description(),
            "Invalid procedure call or argument");
}

TEST_F(PublishedDualTest, ScriptsReachTheSameMembersThroughIDispatch) {
  points->Add("A", "TA", "S");
  points->Add("B", "TB", "S");
  // The type library names the members; letter case does not matter.
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"COUNT")};
  DISPID countId = 0;
  ASSERT_EQ(dual->GetIDsOfNames(IID_NULL, names, 1, 0, &countId), S_OK);
  ObjectPtr asScript =
      std::make_shared<DispatchObject>(ComPtr<IUnknown>(static_cast<IDispatch*>(dual.get())));
  std::vector<Variant> none;
  EXPECT_EQ(Describe(asScript->Invoke("count", InvokeKind::Method, none)), "Long 2");
  std::vector<Variant> second{Variant(2)};
  Variant item = asScript->Invoke("", InvokeKind::PropertyGet, second);
  EXPECT_EQ(item.AsObject(), points->item(Variant(2))) << "the default member is item";
  EXPECT_EQ(Describe(asScript->Invoke("_NewEnum", InvokeKind::Method, none)),
            "Array(0 to 1)[Object ZaltPoint, Object ZaltPoint]");
  EXPECT_EQ(asScript->TypeName(), "ZaltPoints") << "named from the type information";
}

}  // namespace
}  // namespace velkor::com::testing
