// The generated dual-interface thunks: each vtable member reaches CallMember
// with its dispatch id and kind, its arguments in declaration order packed as
// promised (by value borrowed, by reference pointing at the caller's
// variable, omitted optionals as Missing) and the retval as a reference.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "DualThunks.h"
#include "control/PublishedTypes.h"
#include "control/Slots.h"

namespace velkor::com::testing {
namespace {

struct Call {
  DISPID id = 0;
  WORD kind = 0;
  std::vector<VARIANT> args;
  VARTYPE resultType = VT_EMPTY;
  void* resultTarget = nullptr;
};

// A thunk class whose CallMember records the call and, when given, runs
// `answer` on it; the IUnknown and IDispatch members are never reached.
template <class Dual>
class Recorder : public Dual {
 public:
  std::vector<Call> calls;
  std::function<HRESULT(VARIANT* args, VARIANT* result)> answer;

  HRESULT CallMember(DISPID id, WORD kind, VARIANT* args, UINT count, VARIANT* result) override {
    calls.push_back(
        {id, kind, std::vector<VARIANT>(args, args + count), result->vt, result->byref});
    return answer ? answer(args, result) : S_OK;
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }
};

DISPID ControlId(const char* member) {
  return slots::MemberDispId(member);
}

DISPID ClassId(const char* cls, const char* member) {
  return slots::ClassMemberDispId(*slots::FindPublishedClass(cls), member).value();
}

bool IsMissing(const VARIANT& v) {
  return v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND;
}

// One row per kind of argument: what the packed VARIANT holds.
TEST(DualThunks, ByValueArgumentsAreBorrowedInTheirDeclaredType) {
  Recorder<ExcelTrendWizardDual> c;
  BSTR text = SysAllocString(L"<traceinfo/>");
  VARIANT name;
  VariantInit(&name);
  name.vt = VT_I2;
  name.iVal = 7;
  IDispatch* chart = static_cast<IDispatch*>(&c);

  ASSERT_EQ(c.put_bExcelDCRemoved(VARIANT_TRUE), S_OK);
  ASSERT_EQ(c.put_ZaltUpdateInterval(42), S_OK);
  ASSERT_EQ(c.put_TraceInfo(text), S_OK);
  ASSERT_EQ(c.put_TrendName(name), S_OK);
  ASSERT_EQ(c.put_objTrend(&chart), S_OK);
  ASSERT_EQ(c.calls.size(), 5u);

  const struct {
    const char* member;
    VARTYPE vt;
  } rows[] = {{"bExcelDCRemoved", VT_BOOL},
              {"ZaltUpdateInterval", VT_I4},
              {"TraceInfo", VT_BSTR},
              {"TrendName", VT_I2},
              {"objTrend", VT_BYREF | VT_DISPATCH}};
  for (std::size_t i = 0; i < c.calls.size(); ++i) {
    const Call& call = c.calls[i];
    SCOPED_TRACE(rows[i].member);
    EXPECT_EQ(call.id, ControlId(rows[i].member));
    EXPECT_EQ(call.kind, DISPATCH_PROPERTYPUT);
    ASSERT_EQ(call.args.size(), 1u);
    EXPECT_EQ(call.args[0].vt, rows[i].vt);
    EXPECT_EQ(call.resultType, VT_EMPTY);
  }
  EXPECT_EQ(c.calls[0].args[0].boolVal, VARIANT_TRUE);
  EXPECT_EQ(c.calls[1].args[0].lVal, 42);
  EXPECT_EQ(c.calls[2].args[0].bstrVal, text) << "the caller's BSTR, not a copy";
  EXPECT_EQ(c.calls[3].args[0].iVal, 7);
  EXPECT_EQ(c.calls[4].args[0].ppdispVal, &chart);
  SysFreeString(text);
}

TEST(DualThunks, ByReferenceArgumentsPointAtTheCallersVariablesInDeclarationOrder) {
  Recorder<ExcelTrendWizardDual> c;
  BSTR server = SysAllocString(L" srv ");
  BSTR tag = SysAllocString(L" tag ");
  VARIANT start;
  VariantInit(&start);
  VARIANT_BOOL markers = VARIANT_TRUE;
  // The callee trims through the reference; the caller sees it.
  c.answer = [](VARIANT* args, VARIANT*) {
    SysReAllocString(args[0].pbstrVal, L"srv");
    return S_OK;
  };
  ASSERT_EQ(c.ZaltAddQuerySpec(&server, &tag, &start, nullptr, nullptr, nullptr, &markers), S_OK);
  ASSERT_EQ(c.calls.size(), 1u);
  const Call& call = c.calls[0];
  EXPECT_EQ(call.id, ControlId("ZaltAddQuerySpec"));
  EXPECT_EQ(call.kind, DISPATCH_METHOD);
  ASSERT_EQ(call.args.size(), 7u);
  EXPECT_EQ(call.args[0].vt, VT_BYREF | VT_BSTR);
  EXPECT_EQ(call.args[0].pbstrVal, &server);
  EXPECT_EQ(call.args[1].pbstrVal, &tag);
  EXPECT_EQ(call.args[2].vt, VT_BYREF | VT_VARIANT);
  EXPECT_EQ(call.args[2].pvarVal, &start);
  EXPECT_TRUE(IsMissing(call.args[3])) << "an optional reference passed as null is omitted";
  EXPECT_TRUE(IsMissing(call.args[5]));
  EXPECT_EQ(call.args[6].vt, VT_BYREF | VT_BOOL);
  EXPECT_EQ(call.args[6].pboolVal, &markers);
  EXPECT_STREQ(server, L"srv");
  SysFreeString(server);
  SysFreeString(tag);

  ::OpenPramEnum mode = ::kzwOpenfromDefineMenu;
  ASSERT_EQ(c.ShowWizard(&mode), S_OK);
  EXPECT_EQ(c.calls[1].args[0].vt, VT_BYREF | VT_I4);
  EXPECT_EQ(c.calls[1].args[0].plVal, reinterpret_cast<LONG*>(&mode));
}

TEST(DualThunks, RetvalIsAClearedReferenceTheCalleeWritesThrough) {
  Recorder<ExcelTrendWizardDual> c;
  c.answer = [](VARIANT*, VARIANT* result) {
    *result->plVal = 5000;
    return S_OK;
  };
  LONG interval = 1;
  ASSERT_EQ(c.get_ZaltUpdateInterval(&interval), S_OK);
  EXPECT_EQ(c.calls[0].kind, DISPATCH_PROPERTYGET);
  EXPECT_EQ(c.calls[0].resultType, VT_BYREF | VT_I4);
  EXPECT_EQ(c.calls[0].resultTarget, &interval);
  EXPECT_EQ(interval, 5000);

  // A failing member leaves a cleared retval, not what the caller had.
  c.answer = [](VARIANT*, VARIANT*) { return E_FAIL; };
  VARIANT name;
  VariantInit(&name);
  name.vt = VT_I4;
  EXPECT_EQ(c.get_TrendName(&name), E_FAIL);
  EXPECT_EQ(c.calls[1].resultType, VT_BYREF | VT_VARIANT);
  EXPECT_EQ(name.vt, VT_EMPTY);
  IDispatch* chart = static_cast<IDispatch*>(&c);
  EXPECT_EQ(c.get_objTrend(&chart), E_FAIL);
  EXPECT_EQ(chart, nullptr);
}

TEST(DualThunks, MissingRequiredPointersFailWithoutReachingTheMember) {
  Recorder<ExcelTrendWizardDual> c;
  BSTR tag = nullptr;
  EXPECT_EQ(c.get_ZaltUpdateInterval(nullptr), E_POINTER);
  EXPECT_EQ(c.ZaltAddQuerySpec(nullptr, &tag, nullptr, nullptr, nullptr, nullptr, nullptr),
            E_POINTER);
  EXPECT_TRUE(c.calls.empty());
}

TEST(DualThunks, PublishedClassesUseTheirOwnIds) {
  Recorder<ZaltPointsDual> points;
  VARIANT index;
  VariantInit(&index);
  index.vt = VT_I4;
  index.lVal = 1;
  _ZaltPoint* point = nullptr;
  IUnknown* enumerator = nullptr;
  LONG count = 0;
  ASSERT_EQ(points.item(index, &point), S_OK);
  ASSERT_EQ(points.NewEnum(&enumerator), S_OK);
  ASSERT_EQ(points.Count(&count), S_OK);
  EXPECT_EQ(points.calls[0].id, DISPID_VALUE);
  EXPECT_EQ(points.calls[0].resultType, VT_BYREF | VT_DISPATCH);
  EXPECT_EQ(points.calls[1].id, DISPID_NEWENUM);
  EXPECT_EQ(points.calls[1].resultType, VT_BYREF | VT_UNKNOWN);
  EXPECT_EQ(points.calls[2].id, ClassId("ZaltPoints", "Count"));

  Recorder<ServersDual> servers;
  _Server* server = nullptr;
  ASSERT_EQ(servers.item(index, &server), S_OK);
  EXPECT_EQ(servers.calls[0].id, ClassId("Servers", "item"));
  EXPECT_NE(servers.calls[0].id, DISPID_VALUE) << "item is no default member of Servers";

  Recorder<ResourceStringsDual> strings;
  BSTR text = nullptr;
  ASSERT_EQ(strings.get_string(50152, &text), S_OK);
  EXPECT_EQ(strings.calls[0].kind, DISPATCH_METHOD);
  EXPECT_EQ(strings.calls[0].args[0].vt, VT_I4);
  EXPECT_EQ(strings.calls[0].args[0].lVal, 50152);
  EXPECT_EQ(strings.calls[0].resultType, VT_BYREF | VT_BSTR);
  EXPECT_EQ(ResourceStringsDual::Iid(), __uuidof(_ResourceStrings));
}

}  // namespace
}  // namespace velkor::com::testing
