// A project object called through its IDispatch the way script engines and
// containers call it: plain IDispatch::Invoke with reversed DISPPARAMS,
// named and omitted arguments, by-reference write-back, errors in EXCEPINFO.
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

namespace velkor::com::testing {
namespace {

class ObjectDispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    liveBefore_ = LiveObjectCount();
    recorder = std::make_shared<Recorder>();
    dispatch = DispatchOfObject(recorder);
  }
  void TearDown() override {
    dispatch.Reset();
    EXPECT_EQ(LiveObjectCount(), liveBefore_) << "every COM object released";
  }

  // Invokes `name`; the result as text, or "error <scode> <source>: <text>".
  std::string Invoke(const wchar_t* name, WORD flags, Params& params) {
    return InvokeId(IdOf(dispatch.get(), name), flags, params);
  }
  std::string InvokeId(DISPID id, WORD flags, Params& params) {
    ComVariant result;
    EXCEPINFO info{};
    const ::HRESULT hr = dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, params.get(),
                                          result.get(), &info, nullptr);
    if (hr == DISP_E_EXCEPTION) {
      char scode[16];
      std::snprintf(scode, sizeof scode, "%08lX", static_cast<unsigned long>(info.scode));
      std::string out = std::string("error ") + scode + " " + FromBstr(info.bstrSource) + ": " +
                        FromBstr(info.bstrDescription);
      SysFreeString(info.bstrSource);
      SysFreeString(info.bstrDescription);
      return out;
    }
    if (FAILED(hr)) return "hr " + std::to_string(hr);
    return Describe(result.value());
  }
  const Call& LastCall() const { return recorder->calls.back(); }

  std::shared_ptr<Recorder> recorder;
  ComPtr<IDispatch> dispatch;

 private:
  long liveBefore_ = 0;
};

TEST_F(ObjectDispatchTest, NamesResolveIgnoringCaseToStableIds) {
  const DISPID trim = IdOf(dispatch.get(), L"Trim");
  EXPECT_EQ(IdOf(dispatch.get(), L"TRIM"), trim);
  EXPECT_EQ(IdOf(dispatch.get(), L"trim"), trim);
  EXPECT_NE(IdOf(dispatch.get(), L"Echo"), trim);
  EXPECT_EQ(IdOf(dispatch.get(), L"Trim"), trim);
  EXPECT_EQ(IdOf(dispatch.get(), L"_NewEnum"), DISPID_NEWENUM);
  EXPECT_GT(trim, 0);

  // Without type information, parameter names are unknown.
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"Echo"), const_cast<LPOLESTR>(L"first")};
  DISPID ids[2];
  EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 2, 0, ids), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(ids[1], DISPID_UNKNOWN);
  UINT count = 9;
  EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 0u);
}

// One row per way of passing arguments; Echo hands back what it received.
TEST_F(ObjectDispatchTest, ArgumentsArriveInDeclarationOrder) {
  struct Row {
    std::string what;
    std::function<std::unique_ptr<Params>()> params;
    std::string received;
  } rows[] = {
      {"none", [] { return std::make_unique<Params>(std::vector<VARIANT>{}); }, "Array(0 to -1)[]"},
      {"positional, reversed in DISPPARAMS",
       [] {
         return std::make_unique<Params>(std::vector<VARIANT>{Long(1), Text("b"), Long(3)});
       },
       "Array(0 to 2)[Long 1, String \"b\", Long 3]"},
      {"omitted in the middle",
       [] {
         return std::make_unique<Params>(std::vector<VARIANT>{Long(1), Omitted(), Long(3)});
       },
       "Array(0 to 2)[Long 1, Missing, Long 3]"},
      {"named by position, with a gap",
       [] {
         return std::make_unique<Params>(std::vector<VARIANT>{Long(1)},
                                         std::vector<std::pair<DISPID, VARIANT>>{{3, Text("d")}});
       },
       "Array(0 to 3)[Long 1, Missing, Missing, String \"d\"]"},
      {"named out of order",
       [] {
         return std::make_unique<Params>(
             std::vector<VARIANT>{},
             std::vector<std::pair<DISPID, VARIANT>>{{1, Long(20)}, {0, Long(10)}});
       },
       "Array(0 to 1)[Long 10, Long 20]"},
  };
  for (const Row& row : rows) {
    auto params = row.params();
    EXPECT_EQ(Invoke(L"Echo", DISPATCH_METHOD, *params), row.received) << row.what;
  }
  auto twice = std::make_unique<Params>(std::vector<VARIANT>{Long(1)},
                                        std::vector<std::pair<DISPID, VARIANT>>{{0, Long(2)}});
  EXPECT_EQ(Invoke(L"Echo", DISPATCH_METHOD, *twice), "hr " + std::to_string(DISP_E_PARAMNOTFOUND))
      << "a position given twice";
  auto distant = std::make_unique<Params>(
      std::vector<VARIANT>{}, std::vector<std::pair<DISPID, VARIANT>>{{1 << 30, Long(2)}});
  EXPECT_EQ(Invoke(L"Echo", DISPATCH_METHOD, *distant),
            "hr " + std::to_string(DISP_E_PARAMNOTFOUND))
      << "a position no member has";
}

TEST_F(ObjectDispatchTest, InvokeFlagsMapToTheCallKinds) {
  struct Row {
    WORD flags;
    bool withArgument;
    InvokeKind kind;
  } rows[] = {
      {DISPATCH_METHOD, false, InvokeKind::Method},
      {DISPATCH_PROPERTYGET, false, InvokeKind::PropertyGet},
      {DISPATCH_METHOD | DISPATCH_PROPERTYGET, false, InvokeKind::PropertyGet},
      {DISPATCH_METHOD | DISPATCH_PROPERTYGET, true, InvokeKind::Method},
  };
  for (const Row& row : rows) {
    Params params(row.withArgument ? std::vector<VARIANT>{Long(1)} : std::vector<VARIANT>{});
    Invoke(L"Value", row.flags, params);
    EXPECT_EQ(LastCall().kind, row.kind) << row.flags;
  }
}

TEST_F(ObjectDispatchTest, PutsPassTheValueLast) {
  Params let({}, {{DISPID_PROPERTYPUT, Text("v")}});
  EXPECT_EQ(Invoke(L"Value", DISPATCH_PROPERTYPUT, let), "Empty");
  EXPECT_EQ(LastCall().kind, InvokeKind::PropertyLet);
  EXPECT_EQ(Describe(recorder->value), "String \"v\"");

  Params indexed({Long(7)}, {{DISPID_PROPERTYPUT, Long(8)}});
  Invoke(L"Value", DISPATCH_PROPERTYPUT, indexed);
  EXPECT_EQ(LastCall().args, (std::vector<std::string>{"Long 7", "Long 8"}));

  VARIANT object;
  V_VT(&object) = VT_DISPATCH;
  V_DISPATCH(&object) = DispatchOfObject(std::make_shared<Recorder>()).Detach();
  Params set({}, {{DISPID_PROPERTYPUT, object}});
  Invoke(L"Value", DISPATCH_PROPERTYPUTREF, set);
  EXPECT_EQ(LastCall().kind, InvokeKind::PropertySet);
  EXPECT_EQ(Describe(recorder->value), "Object Recorder");
  recorder->value = Variant();

  Params noValue(std::vector<VARIANT>{});
  EXPECT_EQ(Invoke(L"Value", DISPATCH_PROPERTYPUT, noValue),
            "hr " + std::to_string(DISP_E_PARAMNOTOPTIONAL));
}

TEST_F(ObjectDispatchTest, ByReferenceArgumentsAreWrittenBack) {
  // As VBScript passes a variable: a reference to a VARIANT.
  VARIANT variable = Text("  padded  ");
  Params viaVariant({RefTo(VT_VARIANT, &variable)});
  EXPECT_EQ(Invoke(L"Trim", DISPATCH_METHOD, viaVariant), "Long 6");
  EXPECT_EQ(Describe(FromComVariant(variable)), "String \"padded\"");
  VariantClear(&variable);

  // As a typed caller passes a String variable.
  BSTR text = ToBstr(" t ");
  Params viaBstr({RefTo(VT_BSTR, &text)});
  EXPECT_EQ(Invoke(L"Trim", DISPATCH_METHOD, viaBstr), "Long 1");
  EXPECT_EQ(FromBstr(text), "t");

  // Also when the member then raises.
  BSTR failing = ToBstr(" f ");
  Params viaFailing({RefTo(VT_BSTR, &failing)});
  EXPECT_EQ(Invoke(L"TrimThenFail", DISPATCH_METHOD, viaFailing),
            "error 800A005E Recorder: Invalid use of Null");
  EXPECT_EQ(FromBstr(failing), "f");
  SysFreeString(text);
  SysFreeString(failing);

  // A by-value argument is the caller's own and stays as it was.
  Params byValue({Text(" v ")});
  Invoke(L"Trim", DISPATCH_METHOD, byValue);
  EXPECT_EQ(FromBstr(V_BSTR(&byValue.get()->rgvarg[0])), " v ");
}

TEST_F(ObjectDispatchTest, ErrorsAndUnknownMembers) {
  Params none(std::vector<VARIANT>{});
  EXPECT_EQ(Invoke(L"NoSuchMember", DISPATCH_METHOD, none),
            "error 800A01B6 : Object doesn't support this property or method");
  EXPECT_EQ(InvokeId(12345, DISPATCH_METHOD, none), "hr " + std::to_string(DISP_E_MEMBERNOTFOUND));
  EXCEPINFO unused{};
  VARIANT bad;
  V_VT(&bad) = VT_VARIANT;  // a VARIANT holds another only by reference
  Params badArgument({Long(1), bad});
  UINT argErr = 99;
  EXPECT_EQ(dispatch->Invoke(IdOf(dispatch.get(), L"Echo"), IID_NULL, 0, DISPATCH_METHOD,
                             badArgument.get(), nullptr, &unused, &argErr),
            DISP_E_TYPEMISMATCH);
  EXPECT_EQ(argErr, 0u) << "the position in rgvarg";
}

TEST_F(ObjectDispatchTest, DefaultMemberAndEnumeration) {
  Params none(std::vector<VARIANT>{});
  EXPECT_EQ(InvokeId(DISPID_VALUE, DISPATCH_PROPERTYGET, none), "String \"default\"");
  EXPECT_EQ(LastCall().member, "");

  ComVariant result;
  Params again(std::vector<VARIANT>{});
  ASSERT_EQ(dispatch->Invoke(DISPID_NEWENUM, IID_NULL, 0, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                             again.get(), result.get(), nullptr, nullptr),
            S_OK);
  ASSERT_EQ(V_VT(result.get()), VT_UNKNOWN);
  ComPtr<IEnumVARIANT> items;
  ASSERT_EQ(V_UNKNOWN(result.get())
                ->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(items.Out())),
            S_OK);
  VARIANT got[3];
  ULONG fetched = 0;
  EXPECT_EQ(items->Next(2, got, &fetched), S_OK);
  EXPECT_EQ(fetched, 2u);
  EXPECT_EQ(Describe(FromComVariant(got[1])), "Long 2");
  ComPtr<IEnumVARIANT> clone;
  ASSERT_EQ(items->Clone(clone.Out()), S_OK);
  EXPECT_EQ(items->Next(3, got, &fetched), S_FALSE) << "only one left";
  EXPECT_EQ(fetched, 1u);
  EXPECT_EQ(Describe(FromComVariant(got[0])), "Long 3");
  EXPECT_EQ(items->Skip(1), S_FALSE);
  EXPECT_EQ(items->Reset(), S_OK);
  EXPECT_EQ(EnumerateItems(items.get()).size(), 3u);
  EXPECT_EQ(EnumerateItems(clone.get()).size(), 1u) << "a clone keeps its own position";
}

TEST_F(ObjectDispatchTest, OurOwnObjectsComeBackAsTheOriginal) {
  ComVariant out{Variant(ObjectPtr(recorder))};
  ASSERT_EQ(V_VT(out.get()), VT_DISPATCH);
  EXPECT_EQ(out.value().AsObject(), recorder);
  EXPECT_EQ(UnwrapObject(dispatch.get()), recorder);

  auto outside = std::make_shared<DispatchObject>(ComPtr<IUnknown>(dispatch.get()));
  ComVariant back{Variant(ObjectPtr(outside))};
  EXPECT_EQ(V_DISPATCH(back.get()), dispatch.get()) << "an outside object leaves as itself";
}

// Script engines compare references by their IUnknown ("Is").
TEST_F(ObjectDispatchTest, TheSameObjectGoesOutAsTheSameInterfaceWhileOneIsHeld) {
  ComPtr<IDispatch> again = DispatchOfObject(recorder);
  EXPECT_EQ(again.get(), dispatch.get());
  ComVariant asValue{Variant(ObjectPtr(recorder))};
  EXPECT_EQ(V_DISPATCH(asValue.get()), dispatch.get());
  EXPECT_NE(DispatchOfObject(std::make_shared<Recorder>()).get(), dispatch.get());

  again.Reset();
  asValue.Out();
  dispatch.Reset();  // the last reference: the wrapper is gone
  dispatch = DispatchOfObject(recorder);
  Params none(std::vector<VARIANT>{});
  EXPECT_EQ(Invoke(L"", DISPATCH_PROPERTYGET, none), "String \"default\"")
      << "a fresh wrapper, not the released one";
}

// The server registers its own IDispatch for some classes.
int exposed = 0;
IDispatch* CountingExposer(ObjectPtr object) {
  ++exposed;
  return ExposeGeneric(std::move(object));
}

class Special : public Recorder {
 public:
  std::string TypeName() const override { return "Special"; }
};

TEST_F(ObjectDispatchTest, RegisteredExposersAreUsedForTheirTypeName) {
  RegisterExposer("Special", CountingExposer);
  ComVariant special{Variant(ObjectPtr(std::make_shared<Special>()))};
  ComVariant plain{Variant(ObjectPtr(std::make_shared<Recorder>()))};
  EXPECT_EQ(exposed, 1);
}

}  // namespace
}  // namespace velkor::com::testing
