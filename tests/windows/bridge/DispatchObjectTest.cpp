// Outside IDispatch objects called as project objects: the project's own
// object behind its IDispatch (both directions of the bridge in one call),
// and Wine's own Scripting.Dictionary, a component the project did not write.
#include <windows.h>

#include <oleauto.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "BridgeTestSupport.h"
#include "com/bridge/Bstr.h"
#include "com/bridge/DispatchObject.h"
#include "com/bridge/LiveObjects.h"
#include "com/bridge/ObjectDispatch.h"
#include "com/bridge/VariantBridge.h"
#include "platform/VbError.h"

namespace velkor::com::testing {
namespace {

// The error `f` raises as "number source: description", or "none".
template <class F>
std::string ErrorOf(F&& f) {
  try {
    f();
  } catch (const VbError& e) {
    return std::to_string(e.number()) + " " + e.source() + ": " + e.description();
  }
  return "none";
}

Variant Call(Object& object, std::string_view member, InvokeKind kind,
             std::vector<Variant> args = {}) {
  return object.Invoke(member, kind, args);
}

class DispatchObjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    liveBefore_ = LiveObjectCount();
    recorder = std::make_shared<Recorder>();
    // Not unwrapped, so every call goes through IDispatch::Invoke and back.
    outside = std::make_shared<DispatchObject>(
        ComPtr<IUnknown>::Adopt(DispatchOfObject(recorder).Detach()));
  }
  void TearDown() override {
    outside.reset();
    EXPECT_EQ(LiveObjectCount(), liveBefore_) << "every COM object released";
  }

  std::shared_ptr<Recorder> recorder;
  std::shared_ptr<DispatchObject> outside;

 private:
  long liveBefore_ = 0;
};

TEST_F(DispatchObjectTest, CallsReachTheObjectWithTheirKindAndArguments) {
  struct Row {
    std::string member;
    InvokeKind kind;
    std::vector<Variant> args;
    std::string result;
    std::vector<std::string> received;
  } rows[] = {
      {"Echo",
       InvokeKind::Method,
       {Variant(1), Variant::Missing(), Variant("c")},
       "Array(0 to 2)[Long 1, Missing, String \"c\"]",
       {"Long 1", "Missing", "String \"c\""}},
      {"Value", InvokeKind::PropertyLet, {Variant(2.5)}, "Empty", {"Double 2.5"}},
      {"Value", InvokeKind::PropertyGet, {}, "Double 2.5", {}},
      {"", InvokeKind::PropertyGet, {}, "String \"default\"", {}},
      {"_NewEnum", InvokeKind::Method, {}, "Array(0 to 2)[Long 1, Long 2, Long 3]", {}},
  };
  for (Row& row : rows) {
    EXPECT_EQ(Describe(Call(*outside, row.member, row.kind, row.args)), row.result) << row.member;
    if (row.member != "_NewEnum") {  // the enumerator is asked for by DISPID
      EXPECT_EQ(recorder->calls.back().kind, row.kind) << row.member;
      EXPECT_EQ(recorder->calls.back().args, row.received) << row.member;
    }
  }
}

TEST_F(DispatchObjectTest, ByReferenceArgumentsComeBackAlsoWhenTheCallRaises) {
  std::vector<Variant> args{Variant("  x  ")};
  EXPECT_EQ(Describe(outside->Invoke("trim", InvokeKind::Method, args)), "Long 1");
  EXPECT_EQ(Describe(args[0]), "String \"x\"");

  args = {Variant(" y ")};
  EXPECT_EQ(ErrorOf([&] { outside->Invoke("TrimThenFail", InvokeKind::Method, args); }),
            "94 Recorder: Invalid use of Null");
  EXPECT_EQ(Describe(args[0]), "String \"y\"");
}

TEST_F(DispatchObjectTest, FailuresRaiseTheObjectsOwnError) {
  EXPECT_EQ(ErrorOf([&] { Call(*outside, "Missing", InvokeKind::Method); }),
            "438 : Object doesn't support this property or method");
  EXPECT_EQ(ErrorOf([&] { Call(*outside, "Value", InvokeKind::PropertyLet); }),
            "449 : Argument not optional");
  EXPECT_EQ(outside->TypeName(), "Object") << "no type information to name it";
}

TEST_F(DispatchObjectTest, AnInterfaceWithoutIDispatchTravelsBackUnchanged) {
  ComPtr<IEnumVARIANT> items = ComPtr<IEnumVARIANT>::Adopt(MakeEnumerator({Variant(1)}));
  ObjectPtr wrapped = DispatchObject::Wrap(items.get());
  EXPECT_EQ(ErrorOf([&] { Call(*wrapped, "Next", InvokeKind::Method); }),
            "438 : Object doesn't support this property or method");
  ComVariant out{Variant(wrapped)};
  EXPECT_EQ(V_VT(out.get()), VT_UNKNOWN);
  EXPECT_EQ(V_UNKNOWN(out.get()), items.get());
}

// Wine's Scripting.Dictionary: a real outside component with a default
// member, an enumerator and errors of its own.
class DictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(L"Scripting.Dictionary", &clsid))) GTEST_SKIP() << "not installed";
    ComPtr<IDispatch> created;
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                               reinterpret_cast<void**>(created.Out())),
              S_OK);
    dictionary = DispatchObject::Wrap(created.get());
  }
  ObjectPtr dictionary;
};

TEST_F(DictionaryTest, MembersDefaultMemberEnumerationAndErrors) {
  Call(*dictionary, "Add", InvokeKind::Method, {Variant("k"), Variant(1)});
  Call(*dictionary, "ADD", InvokeKind::Method, {Variant("second"), Variant("two")});
  EXPECT_EQ(Describe(Call(*dictionary, "Count", InvokeKind::PropertyGet)), "Long 2");
  EXPECT_EQ(Describe(Call(*dictionary, "Item", InvokeKind::PropertyGet, {Variant("k")})), "Long 1");
  Call(*dictionary, "", InvokeKind::PropertyLet, {Variant("k"), Variant(5)});
  EXPECT_EQ(Describe(Call(*dictionary, "", InvokeKind::PropertyGet, {Variant("k")})), "Long 5");
  EXPECT_EQ(Describe(Call(*dictionary, "Exists", InvokeKind::Method, {Variant("K")})), "False");
  EXPECT_EQ(Describe(Call(*dictionary, "_NewEnum", InvokeKind::Method)),
            "Array(0 to 1)[String \"k\", String \"second\"]");
  EXPECT_EQ(ErrorOf([&] {
              Call(*dictionary, "Add", InvokeKind::Method, {Variant("k"), Variant(1)});
            }).substr(0, 4),
            "457 ");
  EXPECT_EQ(dictionary->TypeName().find("Dictionary") != std::string::npos, true)
      << dictionary->TypeName();
}

}  // namespace
}  // namespace velkor::com::testing
