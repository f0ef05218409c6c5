// Raised errors out to COM and back: number, source, description and the
// HRESULT, through EXCEPINFO (Invoke callers) and IErrorInfo (vtable callers).
#include <windows.h>

#include <oleauto.h>

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

#include "BridgeTestSupport.h"
#include "com/bridge/Bstr.h"
#include "com/bridge/ErrorBridge.h"

namespace velkor::com::testing {
namespace {

struct ErrorText {
  long long number;
  std::string source;
  std::string description;
  friend bool operator==(const ErrorText&, const ErrorText&) = default;
};

std::ostream& operator<<(std::ostream& os, const ErrorText& e) {
  return os << e.number << " / " << e.source << " / " << e.description;
}

ErrorText TextOf(const VbError& e) {
  return {e.number(), e.source(), e.description()};
}

// Raising inside Guarded and reading the report back gives the same error.
struct RoundTripRow {
  std::function<void()> raise;
  std::uint32_t scode;
  ErrorText expected;
};

std::vector<RoundTripRow> RoundTripRows() {
  return {
      {[] { Raise(94, "ExcelTrendWizard"); },
       0x800A005Eu,
       {94, "ExcelTrendWizard", "Invalid use of Null"}},
      {[] { Raise(1004, "Host", "Custom text"); }, 0x800A03ECu, {1004, "Host", "Custom text"}},
      {[] { RaiseHResult(static_cast<HRESULT>(0x8004F003u), "Archive", "Duplicate spec"); },
       0x8004F003u,
       {static_cast<std::int32_t>(0x8004F003u), "Archive", "Duplicate spec"}},
      {[] { throw std::runtime_error("boom"); }, 0x800A0033u, {51, "", "Internal error: boom"}},
      {[] { throw std::bad_alloc(); }, 0x800A0007u, {7, "", "Out of memory"}},
  };
}

TEST(ErrorBridge, InvokeCallersGetExcepInfoAndTheErrorComesBackUnchanged) {
  for (const RoundTripRow& row : RoundTripRows()) {
    EXCEPINFO info{};
    const ::HRESULT hr = Guarded(&info, row.raise);
    EXPECT_EQ(hr, DISP_E_EXCEPTION);
    EXPECT_EQ(static_cast<std::uint32_t>(info.scode), row.scode) << row.expected;
    EXPECT_EQ(FromBstr(info.bstrSource), row.expected.source);
    EXPECT_EQ(FromBstr(info.bstrDescription), row.expected.description);
    EXPECT_EQ(TextOf(ErrorFromHresult(hr, &info)), row.expected);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
  }
}

TEST(ErrorBridge, VtableCallersGetTheHresultAndIErrorInfo) {
  for (const RoundTripRow& row : RoundTripRows()) {
    const ::HRESULT hr = GuardedVtable(IID_IDispatch, row.raise);
    EXPECT_EQ(static_cast<std::uint32_t>(hr), row.scode) << row.expected;
    EXPECT_EQ(TextOf(ErrorFromHresult(hr)), row.expected);
  }
  EXPECT_EQ(GuardedVtable(IID_IDispatch, [] {}), S_OK);
}

TEST(ErrorBridge, InvokeCallersWithoutExcepInfoGetTheHresultAndIErrorInfo) {
  const ::HRESULT hr = Guarded(nullptr, [] { Raise(13, "Src"); });
  EXPECT_EQ(static_cast<std::uint32_t>(hr), 0x800A000Du);
  EXPECT_EQ(TextOf(ErrorFromHresult(hr)), (ErrorText{13, "Src", "Type mismatch"}));
}

// Numbers that would read as success must still report a failure.
TEST(ErrorBridge, AnErrorNumberThatLooksLikeSuccessIsReportedAsAFailure) {
  for (std::int32_t number : {0, 70000}) {
    EXCEPINFO info{};
    Guarded(&info, [&] { throw VbError(number, "text"); });
    EXPECT_TRUE(FAILED(info.scode)) << number;
    EXPECT_EQ(FromBstr(info.bstrDescription), "text");
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    EXPECT_TRUE(FAILED(GuardedVtable(IID_NULL, [&] { throw VbError(number, "text"); })));
  }
}

// What outside objects report, in the forms they use.
TEST(ErrorBridge, OutsideReportsRaiseTheirNumberSourceAndText) {
  struct Row {
    std::string what;
    ::HRESULT hr;
    EXCEPINFO info;
    ErrorText expected;
  };
  auto info = [](SCODE scode, WORD wCode, const char* source, const char* description) {
    EXCEPINFO e{};
    e.scode = scode;
    e.wCode = wCode;
    e.bstrSource = source ? ToBstr(source) : nullptr;
    e.bstrDescription = description ? ToBstr(description) : nullptr;
    return e;
  };
  Row rows[] = {
      {"scode",
       DISP_E_EXCEPTION,
       info(static_cast<SCODE>(0x800A01C9), 0, "Dict", "Key exists"),
       {457, "Dict", "Key exists"}},
      {"wCode only", DISP_E_EXCEPTION, info(0, 1004, "Host", "Failed"), {1004, "Host", "Failed"}},
      {"component code",
       DISP_E_EXCEPTION,
       info(static_cast<SCODE>(0x8004F001), 0, "Archive", nullptr),
       {static_cast<std::int32_t>(0x8004F001u), "Archive", "Automation error"}},
      {"member not found",
       DISP_E_MEMBERNOTFOUND,
       EXCEPINFO{},
       {438, "", "Object doesn't support this property or method"}},
      {"bad argument count",
       DISP_E_BADPARAMCOUNT,
       EXCEPINFO{},
       {450, "", "Wrong number of arguments or invalid property assignment"}},
      {"type mismatch", DISP_E_TYPEMISMATCH, EXCEPINFO{}, {13, "", "Type mismatch"}},
      {"plain failure",
       E_FAIL,
       EXCEPINFO{},
       {static_cast<std::int32_t>(0x80004005u), "", "Automation error"}},
  };
  SetErrorInfo(0, nullptr);
  for (Row& row : rows) {
    EXPECT_EQ(TextOf(ErrorFromHresult(row.hr, &row.info)), row.expected) << row.what;
    SysFreeString(row.info.bstrSource);
    SysFreeString(row.info.bstrDescription);
  }
}

// A deferred fill-in supplies the text when it is asked for.
::HRESULT STDAPICALLTYPE FillIn(EXCEPINFO* info) {
  info->scode = static_cast<SCODE>(0x800A0005);
  info->bstrSource = ToBstr("Late");
  info->bstrDescription = ToBstr("Filled in late");
  return S_OK;
}

TEST(ErrorBridge, DeferredFillInIsRunAndItsTextsFreed) {
  EXCEPINFO info{};
  info.pfnDeferredFillIn = FillIn;
  EXPECT_EQ(TextOf(ErrorFromHresult(DISP_E_EXCEPTION, &info)),
            (ErrorText{5, "Late", "Filled in late"}));
  EXPECT_EQ(info.bstrSource, nullptr) << "the caller's EXCEPINFO is not changed";
}

TEST(ErrorBridge, RaiseFromHresultThrowsTheError) {
  SetComErrorInfo(VbError(9, "", "Src"));
  try {
    RaiseFromHresult(static_cast<::HRESULT>(0x800A0009));
    FAIL() << "no error raised";
  } catch (const VbError& e) {
    EXPECT_EQ(TextOf(e), (ErrorText{9, "Src", "Subscript out of range"}));
  }
  EXPECT_NO_THROW(Check(S_FALSE));
}

}  // namespace
}  // namespace velkor::com::testing
