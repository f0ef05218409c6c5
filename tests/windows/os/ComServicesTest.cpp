// Object creation by ProgID through COM, and the two services built on it:
// the shell's Popup and the logging component. No test reaches the system's
// own shell object (its Popup would wait for a user): the shell and the
// logger are doubles, served in process or registered under test ProgIDs.
#include <gtest/gtest.h>

#include <objbase.h>

#include <thread>

#include "ComTestObjects.h"
#include "OsTestSupport.h"
#include "com/bridge/Bstr.h"
#include "com/bridge/DispatchObject.h"
#include "com/bridge/ObjectDispatch.h"
#include "os/linux/ObjectRegistry.h"
#include "os/windows/ComLogSink.h"
#include "os/windows/ComObjectFactory.h"
#include "os/windows/ShellPopupMessageBox.h"
#include "os/windows/WindowsServices.h"
#include "platform/ErrorNumbers.h"
#include "platform/os/OsServices.h"
#include "support/ErrorReport.h"
#include "support/MsgBox.h"
#include "unit/platform/RaisedNumber.h"

namespace velkor::sim {
namespace {

using ostest::CallLog;
using platform_test::RaisedNumber;

// {5B7E0C14-2F4A-4C61-9D0B-7A3E55C1D901}
constexpr CLSID kDoubleClsid = {
    0x5b7e0c14, 0x2f4a, 0x4c61, {0x9d, 0x0b, 0x7a, 0x3e, 0x55, 0xc1, 0xd9, 0x01}};
// {5B7E0C14-2F4A-4C61-9D0B-7A3E55C1D902}: a ProgID points here, no class does.
constexpr CLSID kDanglingClsid = {
    0x5b7e0c14, 0x2f4a, 0x4c61, {0x9d, 0x0b, 0x7a, 0x3e, 0x55, 0xc1, 0xd9, 0x02}};

// Makes the project object `made` for each CreateInstance, or fails with
// `failure` when that is set.
class DoubleClassFactory : public IClassFactory {
 public:
  ObjectPtr made;
  IUnknown* outside = nullptr;  // handed out instead of `made` when set
  ::HRESULT failure = S_OK;

  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  ::HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID iid, void** out) override {
    *out = nullptr;
    if (FAILED(failure)) return failure;
    if (outside) return outside->QueryInterface(iid, out);
    IDispatch* dispatch = com::ExposeGeneric(made);
    const ::HRESULT hr = dispatch->QueryInterface(iid, out);
    dispatch->Release();
    return hr;
  }
  ::HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

// A ProgID in the class registration, pointing at `clsid`, for one test.
class RegisteredProgId {
 public:
  RegisteredProgId(std::wstring progId, const CLSID& clsid) : progId_(std::move(progId)) {
    wchar_t text[40];
    StringFromGUID2(clsid, text, 40);
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CLASSES_ROOT, (progId_ + L"\\CLSID").c_str(), 0, nullptr, 0, KEY_WRITE,
                    nullptr, &key, nullptr);
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }
  ~RegisteredProgId() { RegDeleteTreeW(HKEY_CLASSES_ROOT, progId_.c_str()); }

 private:
  std::wstring progId_;
};

// The double's class object, known to COM in this process while it lives.
class RegisteredClass {
 public:
  explicit RegisteredClass(DoubleClassFactory& factory) {
    EXPECT_EQ(CoRegisterClassObject(kDoubleClsid, &factory, CLSCTX_INPROC_SERVER,
                                    REGCLS_MULTIPLEUSE, &cookie_),
              S_OK);
  }
  ~RegisteredClass() { CoRevokeClassObject(cookie_); }

 private:
  DWORD cookie_ = 0;
};

// A service, how it is set up, and the error it must raise.
struct FailureRow {
  const char* what;
  std::shared_ptr<os::ObjectFactory> factory;
  std::int32_t number;
};

TEST(ComObjectFactory, CreatesRegisteredClassesThroughCom) {
  DoubleClassFactory classFactory;
  classFactory.made = std::make_shared<CallLog>("Double");
  RegisteredClass registered(classFactory);
  RegisteredProgId progId(L"Velkor.TestDouble", kDoubleClsid);
  ComObjectFactory factory;
  // The double crosses COM as its IDispatch and comes back as itself.
  EXPECT_EQ(factory.CreateObject("Velkor.TestDouble"), classFactory.made);
  EXPECT_EQ(factory.CreateObject("VELKOR.TESTDOUBLE"), classFactory.made);
}

TEST(ComObjectFactory, EveryFailureToCreateIs429NamingTheProgId) {
  DoubleClassFactory classFactory;
  classFactory.failure = E_OUTOFMEMORY;
  RegisteredClass registered(classFactory);
  RegisteredProgId refusing(L"Velkor.TestRefusing", kDoubleClsid);
  RegisteredProgId dangling(L"Velkor.TestDangling", kDanglingClsid);
  struct Row {
    const char* what;
    std::string progId;
  };
  const Row rows[] = {
      {"no ProgID of that name", "Velkor.NoSuchClass"},
      {"the empty ProgID", ""},
      {"a ProgID whose class is not registered", "Velkor.TestDangling"},
      {"a class that refuses to create", "Velkor.TestRefusing"},
      {"a NUL inside a registered name", std::string("Velkor.TestRefusing\0x", 21)},
  };
  ComObjectFactory factory;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::string description;
    EXPECT_EQ(RaisedNumber([&] { factory.CreateObject(row.progId); }, &description),
              err::kCannotCreateObject);
    EXPECT_NE(description.find(row.progId.c_str()), std::string::npos) << description;
  }
}

TEST(ComObjectFactory, OwnClassesAreServedInProcessFirst) {
  DoubleClassFactory classFactory;
  classFactory.made = std::make_shared<CallLog>("FromCom");
  RegisteredClass registered(classFactory);
  RegisteredProgId progId(L"Velkor.TestDouble", kDoubleClsid);
  ComObjectFactory factory;
  auto own = std::make_shared<CallLog>("Own");
  factory.Register("Velkor.TestDouble", [own] { return own; });
  factory.Register("Velkor.Unregistered", [own] { return own; });
  EXPECT_EQ(factory.CreateObject("velkor.testdouble"), own);
  EXPECT_EQ(factory.CreateObject("Velkor.Unregistered"), own);
}

// A shell double answering Popup with `answer`.
std::shared_ptr<CallLog> ShellAnswering(Variant answer) {
  return std::make_shared<CallLog>(
      "IWshShell3", [answer](std::string_view, std::span<Variant>) { return answer; });
}

std::shared_ptr<ObjectRegistry> Serving(std::string_view progId, ObjectPtr object) {
  auto registry = std::make_shared<ObjectRegistry>();
  registry->Register(progId, [object] { return object; });
  return registry;
}

TEST(ShellPopupMessageBox, CallsPopupOfANewShellObject) {
  auto shell = ShellAnswering(Variant(std::int32_t{7}));
  ShellPopupMessageBox box(Serving("WScript.Shell", shell));
  EXPECT_EQ(box.Popup("Delete the trend?", 0, "Trend", 36), 7);
  EXPECT_EQ(box.Popup("x", 5, "", 65), 7);
  EXPECT_EQ(shell->calls, (std::vector<std::string>{"Popup(Delete the trend?, 0, Trend, 36)",
                                                    "Popup(x, 5, , 65)"}));
}

TEST(ShellPopupMessageBox, FailuresReachTheCaller) {
  auto failing = ostest::Failing("IWshShell3", err::kOutOfMemory);
  const FailureRow rows[] = {
      {"no shell object", std::make_shared<ObjectRegistry>(), err::kCannotCreateObject},
      {"Popup fails", Serving("WScript.Shell", failing), err::kOutOfMemory},
      {"Popup answers no number", Serving("WScript.Shell", ShellAnswering(Variant("yes"))), 13},
  };
  for (const FailureRow& row : rows) {
    SCOPED_TRACE(row.what);
    ShellPopupMessageBox box(row.factory);
    EXPECT_EQ(RaisedNumber([&] { box.Popup("x", 0, "", 65); }), row.number);
  }
}

TEST(WindowsServices, ShellMsgBoxReachesTheShellTheFactoryServes) {
  auto factory = std::make_shared<ComObjectFactory>();
  auto shell = ShellAnswering(Variant(std::int32_t{2}));
  factory->Register("WScript.Shell", [shell] { return shell; });
  os::InstallOsServices(WindowsServices(factory, std::nullopt, nullptr));
  EXPECT_EQ(ShellMsgBox("x", "", 65), 2);
  EXPECT_EQ(os::OsServices().messageBox->Popup("y", 0, "t", 0), 2);
  EXPECT_EQ(shell->calls, (std::vector<std::string>{"Popup(x, 0, , 65)", "Popup(y, 0, t, 0)"}));
  os::InstallOsServices({});
}

// A logging component double: "Writer" returns `writer`; counts creations.
struct LoggerDouble {
  std::shared_ptr<CallLog> writer = std::make_shared<CallLog>(
      "LogWriter", [](std::string_view, std::span<Variant>) { return Variant(); });
  int created = 0;
  std::shared_ptr<ObjectRegistry> Factory(Variant writerValue) {
    auto registry = std::make_shared<ObjectRegistry>();
    registry->Register("Test.Logger", [this, writerValue] {
      ++created;
      return std::make_shared<CallLog>(
          "Logger", [writerValue](std::string_view, std::span<Variant>) { return writerValue; });
    });
    return registry;
  }
};

TEST(ComLogSink, OneComponentTakesEveryReportInOrder) {
  LoggerDouble logger;
  ComLogSink sink(logger.Factory(Variant(ObjectPtr(logger.writer))),
                  {"Test.Logger", "Writer", "WriteLine"});
  sink.Write("first");
  sink.Write("second");
  EXPECT_EQ(logger.created, 1);
  EXPECT_EQ(logger.writer->calls,
            (std::vector<std::string>{"WriteLine(first)", "WriteLine(second)"}));
}

TEST(ComLogSink, FailuresRaiseOutOfWrite) {
  LoggerDouble logger;
  auto failingWriter = ostest::Failing("LogWriter", err::kOutOfMemory);
  const FailureRow rows[] = {
      {"no component", std::make_shared<ObjectRegistry>(), err::kCannotCreateObject},
      {"the writer fails", logger.Factory(Variant(ObjectPtr(failingWriter))), err::kOutOfMemory},
      {"the writer is Nothing", logger.Factory(Variant::Nothing()), 91},
      {"the writer is no object", logger.Factory(Variant("text")), 13},
  };
  for (const FailureRow& row : rows) {
    SCOPED_TRACE(row.what);
    ComLogSink sink(row.factory, {"Test.Logger", "Writer", "WriteLine"});
    EXPECT_EQ(RaisedNumber([&] { sink.Write("report"); }), row.number);
  }
}

TEST(ComLogSink, AComponentThatFailedToCreateIsTriedAgain) {
  auto factory = std::make_shared<ObjectRegistry>();
  ComLogSink sink(factory, {"Test.Logger", "Writer", "WriteLine"});
  EXPECT_EQ(RaisedNumber([&] { sink.Write("lost"); }), err::kCannotCreateObject);
  LoggerDouble logger;
  auto later = logger.Factory(Variant(ObjectPtr(logger.writer)));
  factory->Register("Test.Logger", [later] { return later->CreateObject("Test.Logger"); });
  sink.Write("kept");
  EXPECT_EQ(logger.writer->calls, (std::vector<std::string>{"WriteLine(kept)"}));
}

TEST(ComLogSink, AFailingReportReachesTheCallerOfTheFailedOperation) {
  auto factory = std::make_shared<ComObjectFactory>();
  os::InstallOsServices(
      WindowsServices(factory, ComLogSink::Component{"Velkor.NoLogger", "Writer", ""}, nullptr));
  EXPECT_EQ(RaisedNumber([] { ReportError("ReadXML", 0, VbError(err::kTypeMismatch)); }),
            err::kCannotCreateObject);
  os::InstallOsServices({});
}

TEST(ComLogSink, TheWriteMethodDefaultsToTheWritersFirstMethod) {
  // The platform's picture object: an outside IDispatch whose type
  // information lists the properties Handle .. Height and the method Render.
  PICTDESC description{sizeof(PICTDESC), PICTYPE_NONE, {}};
  com::ComPtr<IDispatch> picture;
  ASSERT_EQ(OleCreatePictureIndirect(&description, IID_IDispatch, FALSE,
                                     reinterpret_cast<void**>(picture.Out())),
            S_OK);
  comtest::PropertyObject untyped;
  struct Row {
    const char* what;
    ObjectPtr writer;
    std::string expected;
  };
  const Row rows[] = {
      {"the first method in the type information", com::DispatchObject::Wrap(picture.get()),
       "Render"},
      {"an object without type information", com::DispatchObject::Wrap(&untyped), ""},
      {"a project object", std::make_shared<CallLog>("Writer"), ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(FirstMethodName(*row.writer), row.expected);
  }
  // A writer without a method to call raises 438 out of Write.
  LoggerDouble logger;
  ComLogSink sink(logger.Factory(Variant(com::DispatchObject::Wrap(&untyped))),
                  {"Test.Logger", "Writer", ""});
  EXPECT_EQ(RaisedNumber([&] { sink.Write("x"); }), err::kNoSupport);
}

// An outside component is released while the thread's apartment lives and
// left alone after the thread has left it.
TEST(ComLogSink, ReleasesAnOutsideComponentOnlyInsideTheApartment) {
  for (const bool leaveFirst : {false, true}) {
    SCOPED_TRACE(leaveFirst ? "after CoUninitialize" : "inside the apartment");
    comtest::PropertyObject component;  // no "Writer": each report fails after creation
    DoubleClassFactory classFactory;
    classFactory.outside = static_cast<IDispatch*>(&component);
    std::thread([&] {
      ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
      RegisteredClass registered(classFactory);
      RegisteredProgId progId(L"Velkor.TestLogger", kDoubleClsid);
      auto sink =
          std::make_unique<ComLogSink>(std::make_shared<ComObjectFactory>(),
                                       ComLogSink::Component{"Velkor.TestLogger", "Writer", ""});
      EXPECT_NE(RaisedNumber([&] { sink->Write("x"); }), 0);
      EXPECT_GT(component.references, 1u);  // held by the sink
      if (leaveFirst) CoUninitialize();
      const ULONG held = component.references;
      sink.reset();
      EXPECT_EQ(component.references, leaveFirst ? held : 1u);  // 1: the test's own
      if (!leaveFirst) CoUninitialize();
    }).join();
  }
}

}  // namespace
}  // namespace velkor::sim
