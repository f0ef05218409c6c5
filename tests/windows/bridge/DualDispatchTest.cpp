// DispatchOf over a dual interface: the vtable members of a generated thunk
// class reach the project object through CallMember, names and parameter
// positions come from the type information. The interface here is written
// by hand in the shape the type-library generator writes its thunks.
#include <windows.h>

#include <oleauto.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "BridgeTestSupport.h"
#include "com/bridge/Bstr.h"
#include "com/bridge/ErrorBridge.h"
#include "com/bridge/LiveObjects.h"
#include "com/bridge/ObjectDispatch.h"
#include "com/bridge/VariantBridge.h"

namespace velkor::com::testing {
namespace {

// {5B0C1E2A-9D3F-4C6B-8A71-0E2D4F6A8C10}
constexpr IID kIID_IStandIn = {
    0x5b0c1e2a, 0x9d3f, 0x4c6b, {0x8a, 0x71, 0x0e, 0x2d, 0x4f, 0x6a, 0x8c, 0x10}};

enum : DISPID { kValueId = 0x60030000, kTrimId, kEchoId, kFailId };

struct IStandIn : IDispatch {
  virtual ::HRESULT STDMETHODCALLTYPE get_Value(VARIANT* retval) = 0;
  virtual ::HRESULT STDMETHODCALLTYPE put_Value(VARIANT value) = 0;
  virtual ::HRESULT STDMETHODCALLTYPE Trim(BSTR* text, LONG* retval) = 0;
  virtual ::HRESULT STDMETHODCALLTYPE Echo(LONG first, VARIANT second, VARIANT* retval) = 0;
  virtual ::HRESULT STDMETHODCALLTYPE TrimThenFail(BSTR* text) = 0;
};

VARIANT Borrowed(VARTYPE vt, void* value, std::size_t size) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = vt;
  std::memcpy(&V_NONE(&v), value, size);
  return v;
}

class StandInDual : public IStandIn {
 public:
  virtual ::HRESULT CallMember(DISPID id, WORD kind, VARIANT* args, UINT count,
                               VARIANT* result) = 0;

  ::HRESULT STDMETHODCALLTYPE get_Value(VARIANT* retval) override {
    VariantInit(retval);
    VARIANT result = RefTo(VT_VARIANT, retval);
    return CallMember(kValueId, DISPATCH_PROPERTYGET, nullptr, 0, &result);
  }
  ::HRESULT STDMETHODCALLTYPE put_Value(VARIANT value) override {
    VARIANT result;
    VariantInit(&result);
    return CallMember(kValueId, DISPATCH_PROPERTYPUT, &value, 1, &result);
  }
  ::HRESULT STDMETHODCALLTYPE Trim(BSTR* text, LONG* retval) override {
    *retval = 0;
    VARIANT args[] = {RefTo(VT_BSTR, text)};
    VARIANT result = RefTo(VT_I4, retval);
    return CallMember(kTrimId, DISPATCH_METHOD, args, 1, &result);
  }
  ::HRESULT STDMETHODCALLTYPE Echo(LONG first, VARIANT second, VARIANT* retval) override {
    VariantInit(retval);
    VARIANT args[] = {Borrowed(VT_I4, &first, sizeof first), second};
    VARIANT result = RefTo(VT_VARIANT, retval);
    return CallMember(kEchoId, DISPATCH_METHOD, args, 2, &result);
  }
  ::HRESULT STDMETHODCALLTYPE TrimThenFail(BSTR* text) override {
    VARIANT args[] = {RefTo(VT_BSTR, text)};
    VARIANT result;
    VariantInit(&result);
    return CallMember(kFailId, DISPATCH_METHOD, args, 1, &result);
  }
};

// Type information for IStandIn, built the way oleaut32 offers for simple
// dispatch interfaces.
ComPtr<ITypeInfo> StandInTypeInfo() {
  static PARAMDATA trimParams[] = {{const_cast<OLECHAR*>(L"text"), VT_BSTR | VT_BYREF}};
  static PARAMDATA echoParams[] = {{const_cast<OLECHAR*>(L"first"), VT_I4},
                                   {const_cast<OLECHAR*>(L"second"), VT_VARIANT}};
  static PARAMDATA putParams[] = {{const_cast<OLECHAR*>(L"value"), VT_VARIANT}};
  static METHODDATA methods[] = {
      {const_cast<OLECHAR*>(L"Value"), nullptr, kValueId, 7, CC_STDCALL, 0, DISPATCH_PROPERTYGET,
       VT_VARIANT},
      {const_cast<OLECHAR*>(L"Value"), putParams, kValueId, 8, CC_STDCALL, 1, DISPATCH_PROPERTYPUT,
       VT_EMPTY},
      {const_cast<OLECHAR*>(L"Trim"), trimParams, kTrimId, 9, CC_STDCALL, 1, DISPATCH_METHOD,
       VT_I4},
      {const_cast<OLECHAR*>(L"Echo"), echoParams, kEchoId, 10, CC_STDCALL, 2, DISPATCH_METHOD,
       VT_VARIANT},
      {const_cast<OLECHAR*>(L"TrimThenFail"), trimParams, kFailId, 11, CC_STDCALL, 1,
       DISPATCH_METHOD, VT_EMPTY},
  };
  static INTERFACEDATA data = {methods, 5};
  ComPtr<ITypeInfo> info;
  EXPECT_EQ(CreateDispTypeInfo(&data, LOCALE_SYSTEM_DEFAULT, info.Out()), S_OK);
  return info;
}

class DualDispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    liveBefore_ = LiveObjectCount();
    recorder = std::make_shared<Recorder>();
    typeInfo = StandInTypeInfo();
    standIn = ComPtr<StandInDual>::Adopt(
        DispatchOf<StandInDual>::Create(recorder, typeInfo.get(), kIID_IStandIn));
  }
  void TearDown() override {
    standIn.Reset();
    typeInfo.Reset();
    EXPECT_EQ(LiveObjectCount(), liveBefore_);
  }

  std::shared_ptr<Recorder> recorder;
  ComPtr<ITypeInfo> typeInfo;
  ComPtr<StandInDual> standIn;

 private:
  long liveBefore_ = 0;
};

TEST_F(DualDispatchTest, VtableMembersReachTheObjectByTheirTypeInfoNames) {
  VARIANT value = Text("v");
  const ::HRESULT put = standIn->put_Value(value);
  VariantClear(&value);
  ASSERT_EQ(put, S_OK);
  EXPECT_EQ(recorder->calls.back().member, "Value");
  EXPECT_EQ(recorder->calls.back().kind, InvokeKind::PropertyLet);

  ComVariant got;
  EXPECT_EQ(standIn->get_Value(got.get()), S_OK);
  EXPECT_EQ(Describe(got.value()), "String \"v\"");

  ComVariant echoed;
  VARIANT omitted = Omitted();
  EXPECT_EQ(standIn->Echo(4, omitted, echoed.get()), S_OK);
  EXPECT_EQ(Describe(echoed.value()), "Array(0 to 1)[Long 4, Missing]");
}

TEST_F(DualDispatchTest, ByReferenceArgumentsAndTheResultAreWrittenThrough) {
  BSTR text = ToBstr("  ab  ");
  LONG length = -1;
  EXPECT_EQ(standIn->Trim(&text, &length), S_OK);
  EXPECT_EQ(FromBstr(text), "ab");
  EXPECT_EQ(length, 2);
  SysFreeString(text);
}

TEST_F(DualDispatchTest, ErrorsGoOutAsHresultWithErrorInfo) {
  BSTR text = ToBstr(" z ");
  EXPECT_EQ(static_cast<std::uint32_t>(standIn->TrimThenFail(&text)), 0x800A005Eu);
  EXPECT_EQ(FromBstr(text), "z") << "written back before the error";
  SysFreeString(text);
  const VbError error = ErrorFromHresult(static_cast<::HRESULT>(0x800A005E));
  EXPECT_EQ(error.source(), "Recorder");
  EXPECT_EQ(error.description(), "Invalid use of Null");
}

TEST_F(DualDispatchTest, IDispatchAnswersFromTheTypeInfo) {
  UINT count = 0;
  EXPECT_EQ(standIn->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"ECHO"), const_cast<LPOLESTR>(L"second")};
  DISPID ids[2] = {};
  ASSERT_EQ(standIn->GetIDsOfNames(IID_NULL, names, 2, 0, ids), S_OK);
  EXPECT_EQ(ids[0], kEchoId);
  EXPECT_EQ(ids[1], 1) << "a parameter is numbered by its position";

  // Echo(second:="s", first:=1) through IDispatch::Invoke.
  Params params({}, {{ids[1], Text("s")}, {0, Long(1)}});
  ComVariant result;
  ASSERT_EQ(standIn->Invoke(kEchoId, IID_NULL, 0, DISPATCH_METHOD, params.get(), result.get(),
                            nullptr, nullptr),
            S_OK);
  EXPECT_EQ(Describe(result.value()), "Array(0 to 1)[Long 1, String \"s\"]");

  ComPtr<IUnknown> asInterface;
  EXPECT_EQ(standIn->QueryInterface(kIID_IStandIn, reinterpret_cast<void**>(asInterface.Out())),
            S_OK);
  EXPECT_EQ(UnwrapObject(standIn.get()), recorder);
}

}  // namespace
}  // namespace velkor::com::testing
