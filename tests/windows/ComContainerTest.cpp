// A test container that embeds the control from velkor.dll the way a
// spreadsheet host does: it loads the library by file, gets the class
// factory from DllGetClassObject, gives the control a site with ambient
// properties and an extender, initializes, sizes, shows, saves and loads it,
// listens to its events and property changes, and closes and releases it.
// Every reference the control took on the container must come back, and the
// library must be ready to unload at the end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "com/bridge/Bstr.h"
#include "com/bridge/ComPtr.h"
#include "com/bridge/EventConnection.h"
#include "com/bridge/ObjectDispatch.h"
#include "com/bridge/VariantBridge.h"
#include "com/server/ComGuids.h"
#include "control/ComIdentity.h"
#include "control/ExcelTrendWizard.h"
#include "control/Slots.h"
#include "velkor_idl.h"
#include "windows/ComTestObjects.h"

// After the control's headers: its option-bit constants have the names of
// this header's macros.
#include <objsafe.h>

namespace velkor::com {
namespace {

using comtest::PropertyObject;
using comtest::RecordingSink;
using comtest::TestBag;
using comtest::TestSite;

const GUID kClsid = ToGuid(com_identity::kClsidExcelTrendWizard);
const GUID kEvents = ToGuid(com_identity::kDiid__ExcelTrendWizard);

// velkor.dll, loaded from the test's own folder, and its exports.
class Library {
 public:
  Library() : module_(LoadLibraryW(L"velkor.dll")) {}
  ~Library() {
    if (module_) FreeLibrary(module_);
  }
  bool Loaded() const { return module_ != nullptr; }
  template <class F>
  F* Export(const char* name) const {
    return reinterpret_cast<F*>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }
  ::HRESULT CanUnloadNow() const { return Export<HRESULT STDAPICALLTYPE()>("DllCanUnloadNow")(); }
  ComPtr<IClassFactory> Factory(REFCLSID clsid) const {
    ComPtr<IClassFactory> factory;
    Export<HRESULT STDAPICALLTYPE(REFCLSID, REFIID, void**)>("DllGetClassObject")(
        clsid, IID_IClassFactory, reinterpret_cast<void**>(factory.Out()));
    return factory;
  }

 private:
  HMODULE module_;
};

class Container : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { OleInitialize(nullptr); }
  static void TearDownTestSuite() { OleUninitialize(); }

  void SetUp() override {
    ASSERT_TRUE(library.Loaded());
    VARIANT name;
    VariantInit(&name);
    name.vt = VT_BSTR;
    name.bstrVal = SysAllocString(L"ExcelTrendWizard7");
    site.extender.Set(L"Name", name);
    VariantClear(&name);
    VARIANT parent;
    VariantInit(&parent);
    parent.vt = VT_DISPATCH;
    parent.pdispVal = &sheet;
    site.extender.Set(L"Parent", parent);  // a copy: one reference on the sheet
  }

  void TearDown() override {
    ASSERT_EQ(site.references, 1u) << "the control kept a reference on its site";
    ASSERT_EQ(bag.references, 1u) << "the control kept a reference on the bag";
    ASSERT_EQ(sink.references, 1u) << "the control kept a reference on a sink";
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
  }

  // A control embedded as a host does it: site first, then InitNew.
  ComPtr<IOleObject> Embed() {
    ComPtr<IOleObject> control = Create();
    EXPECT_EQ(control->SetClientSite(&site), S_OK);
    return control;
  }

  ComPtr<IOleObject> Create() {
    ComPtr<IOleObject> control;
    auto factory = library.Factory(kClsid);
    EXPECT_TRUE(factory);
    if (factory) {
      EXPECT_EQ(
          factory->CreateInstance(nullptr, IID_IOleObject, reinterpret_cast<void**>(control.Out())),
          S_OK);
    }
    return control;
  }

  static void Shutdown(ComPtr<IOleObject>& control) {
    EXPECT_EQ(control->Close(OLECLOSE_NOSAVE), S_OK);
    EXPECT_EQ(control->SetClientSite(nullptr), S_OK);
    control.Reset();
  }

  Library library;
  TestSite site;
  PropertyObject sheet;  // the extender's parent: not a workbook
  TestBag bag;
  RecordingSink sink;
};

DISPID IdOf(IDispatch* object, const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  EXPECT_EQ(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK) << name;
  return id;
}

Variant Get(IDispatch* object, const wchar_t* name) {
  DISPPARAMS none{};
  ComVariant result;
  EXPECT_EQ(object->Invoke(IdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                           &none, result.get(), nullptr, nullptr),
            S_OK)
      << name;
  return result.value();
}

::HRESULT Put(IDispatch* object, const wchar_t* name, const Variant& value,
              EXCEPINFO* info = nullptr) {
  ComVariant arg(value);
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{arg.get(), &named, 1, 1};
  return object->Invoke(IdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                        &params, nullptr, info, nullptr);
}

template <class I>
ComPtr<I> As(const ComPtr<IOleObject>& control, REFIID iid) {
  auto out = control.As<I>(iid);
  EXPECT_TRUE(out);
  return out;
}

TEST_F(Container, EmbedSizeShowCloseTakesTheNameFromTheExtenderAndGivesEverythingBack) {
  auto control = Embed();
  auto persist = As<IPersistPropertyBag>(control, IID_IPersistPropertyBag);
  ASSERT_EQ(persist->InitNew(), S_OK);
  EXPECT_EQ(persist->InitNew(), CO_E_ALREADYINITIALIZED);
  DWORD status = 0;
  EXPECT_EQ(control->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
  EXPECT_TRUE(status & OLEMISC_INVISIBLEATRUNTIME);
  EXPECT_TRUE(status & OLEMISC_SETCLIENTSITEFIRST);

  SIZEL size{5080, 2540};
  EXPECT_EQ(control->SetExtent(DVASPECT_CONTENT, &size), S_OK);
  SIZEL back{};
  EXPECT_EQ(control->GetExtent(DVASPECT_CONTENT, &back), S_OK);
  EXPECT_EQ(back.cx, 5080);
  auto dispatch = As<IDispatch>(control, IID_IDispatch);
  EXPECT_EQ(Get(dispatch.get(), L"WizardControlName").AsString(), "ExcelTrendWizard7");

  const int readsBefore = site.ambientReads;
  EXPECT_EQ(control->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, nullptr, nullptr), S_OK);
  EXPECT_EQ(site.activations, 1);
  EXPECT_GT(site.ambientReads, readsBefore) << "show reads the ambient UserMode";
  RECT rect{0, 0, 100, 50};
  EXPECT_EQ(As<IOleInPlaceObject>(control, IID_IOleInPlaceObject)->SetObjectRects(&rect, &rect),
            S_OK);
  HWND window = reinterpret_cast<HWND>(1);
  EXPECT_EQ(As<IOleInPlaceObject>(control, IID_IOleInPlaceObject)->GetWindow(&window), E_FAIL);
  EXPECT_EQ(window, nullptr) << "invisible at run time: no window";

  dispatch.Reset();
  persist.Reset();
  Shutdown(control);
  EXPECT_EQ(site.deactivations, 1);
  EXPECT_EQ(sheet.references, 2u) << "the extender holds the sheet, nobody else";
}

TEST_F(Container, WithoutExtenderTheControlStaysUsable) {
  site.withExtender = false;
  auto control = Embed();
  ASSERT_EQ(As<IPersistStreamInit>(control, IID_IPersistStreamInit)->InitNew(), S_OK);
  SIZEL size{100, 100};
  EXPECT_EQ(control->SetExtent(DVASPECT_CONTENT, &size), S_OK) << "resize reports, not fails";
  auto dispatch = As<IDispatch>(control, IID_IDispatch);
  EXPECT_EQ(Get(dispatch.get(), L"TrendPosition").AsString(), "$A$1");
  dispatch.Reset();
  Shutdown(control);
}

// The persisted properties of a control in use, each different from its
// default, set through the control's own interface.
struct Setting {
  const wchar_t* property;
  Variant value;
  const wchar_t* key;  // the bag's key
};

std::vector<Setting> InUse() {
  return {
      {L"WizardControlName", Variant("Wizard9"), L"WizardControlName"},
      {L"TrendName", Variant("ZaltTrend1_Sheet1"), L"TrendName"},
      {L"ExcelDcName", Variant("ExcelDC1_Sheet1"), L"ExcelDcName"},
      {L"ZaltArcDCName", Variant("ZaltArcDC1_Sheet1"), L"ZaltArcDCName"},
      {L"bZaltArcDCRemoved", Variant(true), L"bZaltArcDCRemoved"},
      {L"bExcelDCRemoved", Variant(true), L"bExcelDCRemoved"},
      {L"ExcelDCConnected", Variant(true), L"bExcelDcConnected"},
      {L"ZaltArcDCConnected", Variant(true), L"bZaltArcDcConnected"},
      {L"strStartTime", Variant(DateValue{45000.25}), L"strStartTime"},
      {L"strEndTime", Variant("*"), L"strEndTime"},
      {L"tglStartTime", Variant(true), L"tglStartTime"},
      {L"tglEndTime", Variant(true), L"tglEndTime"},
      {L"strtxtStartTime", Variant("Sheet1!$B$1"), L"strtxtStartTime"},
      {L"strtxtEndTime", Variant("Sheet1!$B$2"), L"strtxtEndTime"},
      {L"bFirstSetTime", Variant(false), L"bFirstSetTime"},
      {L"TrendPosition", Variant("$C$3"), L"TrendPosition"},
      {L"TraceInfo", Variant("<Traces/>"), L"TraceInfoXML"},
  };
}

TEST_F(Container, PropertyBagRoundTripKeepsEveryKeyWithItsType) {
  auto first = Embed();
  ASSERT_EQ(As<IPersistPropertyBag>(first, IID_IPersistPropertyBag)->InitNew(), S_OK);
  auto dispatch = As<IDispatch>(first, IID_IDispatch);
  for (const Setting& s : InUse()) EXPECT_EQ(Put(dispatch.get(), s.property, s.value), S_OK);
  ASSERT_EQ(As<IPersistPropertyBag>(first, IID_IPersistPropertyBag)->Save(&bag, TRUE, TRUE), S_OK);
  dispatch.Reset();
  Shutdown(first);

  // TrendSheetName has no setter and the title no chart to keep it: both
  // stay at their defaults and are not written.
  ASSERT_EQ(bag.entries.size(), InUse().size());
  for (const Setting& s : InUse()) {
    const VARIANT* saved = bag.Find(s.key);
    ASSERT_TRUE(saved) << "missing key";
    EXPECT_EQ(FromComVariant(*saved).TypeName(), s.value.TypeName());
  }
  EXPECT_EQ(bag.entries.front().first, L"WizardControlName") << "keys in table order";
  EXPECT_EQ(bag.entries.back().first, L"TraceInfoXML");

  auto second = Embed();
  ASSERT_EQ(As<IPersistPropertyBag>(second, IID_IPersistPropertyBag)->Load(&bag, nullptr), S_OK);
  dispatch = As<IDispatch>(second, IID_IDispatch);
  for (const Setting& s : InUse()) {
    const Variant back = Get(dispatch.get(), s.property);
    EXPECT_EQ(back.TypeName(), s.value.TypeName());
    ComVariant a(back), b(s.value);
    EXPECT_EQ(VarCmp(a.get(), b.get(), LOCALE_USER_DEFAULT, 0), VARCMP_EQ);
  }
  TestBag again;
  ASSERT_EQ(As<IPersistPropertyBag>(second, IID_IPersistPropertyBag)->Save(&again, TRUE, TRUE),
            S_OK);
  ASSERT_EQ(again.entries.size(), bag.entries.size());
  for (std::size_t i = 0; i < bag.entries.size(); ++i) {
    EXPECT_EQ(again.entries[i].first, bag.entries[i].first);
    EXPECT_EQ(VarCmp(&again.entries[i].second, &bag.entries[i].second, LOCALE_USER_DEFAULT, 0),
              VARCMP_EQ);
  }
  dispatch.Reset();
  Shutdown(second);
  EXPECT_EQ(again.references, 1u);
}

TEST_F(Container, NewControlSavesNothingButItsTitleRule) {
  auto control = Embed();
  ASSERT_EQ(As<IPersistPropertyBag>(control, IID_IPersistPropertyBag)->InitNew(), S_OK);
  ASSERT_EQ(As<IPersistPropertyBag>(control, IID_IPersistPropertyBag)->Save(&bag, TRUE, TRUE),
            S_OK);
  // A new control's name is empty, which differs from the name's default.
  ASSERT_EQ(bag.entries.size(), 1u);
  EXPECT_EQ(bag.entries[0].first, L"WizardControlName");
  EXPECT_EQ(FromComVariant(bag.entries[0].second).AsString(), "");
  Shutdown(control);
}

TEST_F(Container, StreamRoundTripGivesTheSameBytesAndRefusesDamage) {
  auto first = Embed();
  auto stream1 = As<IPersistStreamInit>(first, IID_IPersistStreamInit);
  ASSERT_EQ(stream1->InitNew(), S_OK);
  auto dispatch = As<IDispatch>(first, IID_IDispatch);
  for (const Setting& s : InUse()) EXPECT_EQ(Put(dispatch.get(), s.property, s.value), S_OK);
  ComPtr<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.Out()), S_OK);
  ULARGE_INTEGER max{};
  ASSERT_EQ(stream1->GetSizeMax(&max), S_OK);
  ASSERT_EQ(stream1->Save(stream.get(), TRUE), S_OK);
  EXPECT_EQ(stream1->IsDirty(), S_FALSE);
  STATSTG stat{};
  stream->Stat(&stat, STATFLAG_NONAME);
  EXPECT_EQ(stat.cbSize.QuadPart, max.QuadPart);
  // The container's own data after the control's must stay unread.
  const char trailer[] = "container";
  stream->Write(trailer, sizeof trailer, nullptr);
  dispatch.Reset();
  stream1.Reset();
  Shutdown(first);

  auto second = Embed();
  auto stream2 = As<IPersistStreamInit>(second, IID_IPersistStreamInit);
  LARGE_INTEGER zero{};
  stream->Seek(zero, STREAM_SEEK_SET, nullptr);
  ASSERT_EQ(stream2->Load(stream.get()), S_OK);
  char rest[sizeof trailer] = {};
  ULONG read = 0;
  stream->Read(rest, sizeof rest, &read);
  EXPECT_EQ(std::string(rest), "container");
  dispatch = As<IDispatch>(second, IID_IDispatch);
  for (const Setting& s : InUse())
    EXPECT_EQ(Get(dispatch.get(), s.property).TypeName(), s.value.TypeName());
  EXPECT_EQ(Get(dispatch.get(), L"TrendPosition").AsString(), "$C$3");
  dispatch.Reset();
  stream2.Reset();
  Shutdown(second);

  // A damaged stream is refused and leaves the control to InitNew.
  ComPtr<IStream> damaged;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, damaged.Out()), S_OK);
  damaged->Write("VKPS\x09\x00", 6, nullptr);
  damaged->Seek(zero, STREAM_SEEK_SET, nullptr);
  auto third = Embed();
  auto stream3 = As<IPersistStreamInit>(third, IID_IPersistStreamInit);
  EXPECT_TRUE(FAILED(stream3->Load(damaged.get())));
  EXPECT_EQ(stream3->InitNew(), S_OK);
  stream3.Reset();
  Shutdown(third);
}

TEST_F(Container, EveryTraceInfoLetTellsTheContainerAndMarksDirty) {
  auto control = Embed();
  auto persist = As<IPersistStreamInit>(control, IID_IPersistStreamInit);
  ASSERT_EQ(persist->InitNew(), S_OK);
  EXPECT_EQ(persist->IsDirty(), S_FALSE);
  ComPtr<IConnectionPoint> point;
  ASSERT_EQ(As<IConnectionPointContainer>(control, IID_IConnectionPointContainer)
                ->FindConnectionPoint(IID_IPropertyNotifySink, point.Out()),
            S_OK);
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(static_cast<IPropertyNotifySink*>(&sink), &cookie), S_OK);
  auto dispatch = As<IDispatch>(control, IID_IDispatch);
  EXPECT_EQ(Put(dispatch.get(), L"TraceInfo", Variant("<Traces/>")), S_OK);
  EXPECT_EQ(Put(dispatch.get(), L"TraceInfo", Variant("<Traces/>")), S_OK);
  EXPECT_EQ(Put(dispatch.get(), L"TrendPosition", Variant("$B$2")), S_OK);
  const DISPID traceInfo = slots::MemberDispId("TraceInfo");
  EXPECT_EQ(sink.changes, (std::vector<DISPID>{traceInfo, traceInfo}));
  EXPECT_EQ(persist->IsDirty(), S_OK);
  // Closing with save-if-dirty asks the container to save.
  EXPECT_EQ(point->Unadvise(cookie), S_OK);
  EXPECT_EQ(point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
  point.Reset();
  dispatch.Reset();
  persist.Reset();
  EXPECT_EQ(control->Close(OLECLOSE_SAVEIFDIRTY), S_OK);
  EXPECT_EQ(site.saveRequests, 1);
  Shutdown(control);
}

TEST_F(Container, EventsReachEveryConnectedSinkWithTheirDispatchIds) {
  auto control = Embed();
  ASSERT_EQ(As<IPersistPropertyBag>(control, IID_IPersistPropertyBag)->InitNew(), S_OK);
  ComPtr<IConnectionPoint> point;
  ASSERT_EQ(As<IConnectionPointContainer>(control, IID_IConnectionPointContainer)
                ->FindConnectionPoint(kEvents, point.Out()),
            S_OK);
  IID iid{};
  EXPECT_EQ(point->GetConnectionInterface(&iid), S_OK);
  EXPECT_TRUE(IsEqualIID(iid, kEvents));
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(static_cast<IDispatch*>(&sink), &cookie), S_OK);

  // The data controls' changes are raised by the control itself.
  auto held = control.As<IHeldObject>(kIID_IHeldObject);
  ASSERT_TRUE(held);
  auto wizard = std::static_pointer_cast<ExcelTrendWizard>(held->HeldObject());
  wizard->ZaltOnDataChange.Raise(nullptr, Variant(std::int32_t{3}));
  wizard->ExcelOnDataChange.Raise(nullptr, Variant(std::int32_t{5}));
  ASSERT_EQ(sink.calls.size(), 2u);
  EXPECT_EQ(sink.calls[0].id, 1);
  EXPECT_EQ(sink.calls[1].id, 2);
  EXPECT_EQ(sink.calls[0].argTypes, (std::vector<VARTYPE>{VT_I4, VT_DISPATCH}));
  EXPECT_EQ(sink.calls[1].lastArgLong, 5);

  // Frozen events are not delivered.
  auto oleControl = As<IOleControl>(control, IID_IOleControl);
  oleControl->FreezeEvents(TRUE);
  wizard->ZaltOnDataChange.Raise(nullptr, Variant(std::int32_t{3}));
  oleControl->FreezeEvents(FALSE);
  EXPECT_EQ(sink.calls.size(), 2u);
  EXPECT_EQ(point->Unadvise(cookie), S_OK);
  wizard->ZaltOnDataChange.Raise(nullptr, Variant(std::int32_t{3}));
  EXPECT_EQ(sink.calls.size(), 2u);
  wizard.reset();
  held.Reset();
  oleControl.Reset();
  point.Reset();
  Shutdown(control);
}

TEST_F(Container, EnumerationsListThePointsAndASnapshotOfTheirConnections) {
  auto control = Embed();
  ASSERT_EQ(As<IPersistPropertyBag>(control, IID_IPersistPropertyBag)->InitNew(), S_OK);
  auto container = As<IConnectionPointContainer>(control, IID_IConnectionPointContainer);
  ComPtr<IEnumConnectionPoints> points;
  ASSERT_EQ(container->EnumConnectionPoints(points.Out()), S_OK);
  IConnectionPoint* found[3] = {};
  ULONG fetched = 0;
  EXPECT_EQ(points->Next(3, found, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 2u);
  IID iids[2] = {};
  for (ULONG i = 0; i < fetched; ++i) {
    found[i]->GetConnectionInterface(&iids[i]);
    found[i]->Release();
  }
  EXPECT_TRUE(IsEqualIID(iids[0], kEvents));
  EXPECT_TRUE(IsEqualIID(iids[1], IID_IPropertyNotifySink));
  EXPECT_EQ(points->Skip(1), S_FALSE);  // already at the end
  ComPtr<IEnumConnectionPoints> again;
  EXPECT_EQ(points->Reset(), S_OK);
  EXPECT_EQ(points->Skip(1), S_OK);
  ASSERT_EQ(points->Clone(again.Out()), S_OK);
  ComPtr<IConnectionPoint> second;
  EXPECT_EQ(again->Next(1, second.Out(), nullptr),
            S_OK);  // the clone goes on from the copy's place
  IID iid{};
  second->GetConnectionInterface(&iid);
  EXPECT_TRUE(IsEqualIID(iid, IID_IPropertyNotifySink));

  ComPtr<IConnectionPoint> events;
  ASSERT_EQ(container->FindConnectionPoint(kEvents, events.Out()), S_OK);
  DWORD cookie = 0;
  ASSERT_EQ(events->Advise(static_cast<IDispatch*>(&sink), &cookie), S_OK);
  ComPtr<IEnumConnections> connections;
  ASSERT_EQ(events->EnumConnections(connections.Out()), S_OK);
  EXPECT_EQ(events->Unadvise(cookie), S_OK);  // the snapshot keeps what it listed
  CONNECTDATA data{};
  ASSERT_EQ(connections->Next(1, &data, nullptr), S_OK);
  EXPECT_EQ(data.dwCookie, cookie);
  EXPECT_EQ(data.pUnk, static_cast<IUnknown*>(static_cast<IDispatch*>(&sink)));
  data.pUnk->Release();
  EXPECT_EQ(connections->Next(1, &data, nullptr), S_FALSE);

  connections.Reset();
  events.Reset();
  second.Reset();
  again.Reset();
  points.Reset();
  container.Reset();
  Shutdown(control);
}

TEST_F(Container, AnObjectsEventsArriveByTheNamesItsClassInformationGives) {
  auto control = Embed();
  ASSERT_EQ(As<IPersistPropertyBag>(control, IID_IPersistPropertyBag)->InitNew(), S_OK);
  std::vector<std::string> seen;
  auto connection =
      EventConnection::Connect(control.get(), [&](std::string_view name, std::span<Variant> args) {
        std::string line(name);
        for (const auto& arg : args) line += " " + arg.TypeName();
        seen.push_back(line);
      });
  EXPECT_TRUE(IsEqualIID(connection->SourceIid(), kEvents));

  auto held = control.As<IHeldObject>(kIID_IHeldObject);
  ASSERT_TRUE(held);
  auto wizard = std::static_pointer_cast<ExcelTrendWizard>(held->HeldObject());
  wizard->ExcelOnDataChange.Raise(nullptr, Variant(std::int32_t{5}));
  wizard->ZaltOnDataChange.Raise(nullptr, Variant(std::int32_t{3}));
  EXPECT_EQ(seen, (std::vector<std::string>{"ExcelOnDataChange Nothing Long",
                                            "ZaltOnDataChange Nothing Long"}));
  connection.reset();  // unadvised: nothing more arrives
  wizard->ZaltOnDataChange.Raise(nullptr, Variant(std::int32_t{3}));
  EXPECT_EQ(seen.size(), 2u);

  // An object without class information announces no events.
  std::int32_t number = 0;
  try {
    EventConnection::Connect(static_cast<IDispatch*>(&sink), [](auto, auto) {});
  } catch (const VbError& e) {
    number = e.number();
  }
  EXPECT_EQ(number, 438);

  wizard.reset();
  held.Reset();
  Shutdown(control);
}

TEST_F(Container, QuickActivateConnectsTheContainersSinksAtOnce) {
  auto control = Create();
  QACONTAINER qa{};
  qa.cbSize = sizeof qa;
  qa.pClientSite = &site;
  qa.pUnkEventSink = static_cast<IDispatch*>(&sink);
  qa.pPropertyNotifySink = static_cast<IPropertyNotifySink*>(&sink);
  qa.dwAmbientFlags = QACONTAINER_USERMODE;
  QACONTROL answer{};
  answer.cbSize = sizeof answer;
  ASSERT_EQ(As<IQuickActivate>(control, IID_IQuickActivate)->QuickActivate(&qa, &answer), S_OK);
  EXPECT_NE(answer.dwEventCookie, 0u);
  EXPECT_NE(answer.dwPropNotifyCookie, 0u);
  EXPECT_TRUE(answer.dwMiscStatus & OLEMISC_INVISIBLEATRUNTIME);
  ASSERT_EQ(As<IPersistPropertyBag>(control, IID_IPersistPropertyBag)->InitNew(), S_OK);
  auto dispatch = As<IDispatch>(control, IID_IDispatch);
  EXPECT_EQ(Put(dispatch.get(), L"TraceInfo", Variant("<x/>")), S_OK);
  EXPECT_EQ(sink.changes.size(), 1u);
  dispatch.Reset();
  Shutdown(control);  // the sinks are let go with the control
}

TEST_F(Container, RaisedErrorsReachTheCallerWithNumberSourceAndText) {
  auto control = Embed();
  ASSERT_EQ(As<IPersistPropertyBag>(control, IID_IPersistPropertyBag)->InitNew(), S_OK);
  auto dispatch = As<IDispatch>(control, IID_IDispatch);
  EXCEPINFO info{};
  EXPECT_EQ(Put(dispatch.get(), L"WizardControlName", Variant::Null(), &info), DISP_E_EXCEPTION);
  // Null has no value of the declared String type: Type mismatch (13).
  EXPECT_EQ(info.scode, static_cast<SCODE>(0x800A000D));
  EXPECT_EQ(FromBstr(info.bstrDescription), "Type mismatch");
  EXPECT_EQ(FromBstr(info.bstrSource), "Velkor");
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrHelpFile);
  auto errors = As<ISupportErrorInfo>(control, IID_ISupportErrorInfo);
  EXPECT_EQ(errors->InterfaceSupportsErrorInfo(ToGuid(com_identity::kIid_ExcelTrendWizard)), S_OK);
  EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IID_IOleObject), S_FALSE);
  errors.Reset();
  dispatch.Reset();
  Shutdown(control);
}

TEST_F(Container, EarlyBoundCallsReachTheSameControlAsLateBoundOnes) {
  auto control = Embed();
  ASSERT_EQ(As<IPersistPropertyBag>(control, IID_IPersistPropertyBag)->InitNew(), S_OK);
  auto dual = control.As<_ExcelTrendWizard>(ToGuid(com_identity::kIid_ExcelTrendWizard));
  ASSERT_TRUE(dual);
  ComVariant name(Variant(std::int32_t{42}));
  EXPECT_EQ(dual->put_TrendName(*name.get()), S_OK);
  auto dispatch = As<IDispatch>(control, IID_IDispatch);
  const Variant late = Get(dispatch.get(), L"TrendName");
  EXPECT_EQ(late.TypeName(), "String") << "the let stores the number's text";
  EXPECT_EQ(late.AsString(), "42");
  ComVariant back;
  EXPECT_EQ(dual->get_TrendName(back.get()), S_OK);
  EXPECT_EQ(back->vt, VT_BSTR);

  // A raised error reaches a vtable caller through the thread's error object.
  ComVariant null(Variant::Null());
  EXPECT_EQ(dual->put_TrendPosition(*null.get()), static_cast<::HRESULT>(0x800A005E))
      << "Invalid use of Null (94) from the Variant-to-text conversion";
  ComPtr<IErrorInfo> error;
  ASSERT_EQ(GetErrorInfo(0, error.Out()), S_OK);
  BSTR source = nullptr;
  error->GetSource(&source);
  EXPECT_EQ(FromBstr(source), "Velkor");
  SysFreeString(source);
  error.Reset();
  dispatch.Reset();
  dual.Reset();
  Shutdown(control);
}

TEST_F(Container, ClassInfoNamesTheClassAndItsEventInterface) {
  auto control = Embed();
  auto info = As<IProvideClassInfo2>(control, IID_IProvideClassInfo2);
  GUID events{};
  EXPECT_EQ(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events), S_OK);
  EXPECT_TRUE(IsEqualGUID(events, kEvents));
  ComPtr<ITypeInfo> type;
  ASSERT_EQ(info->GetClassInfo(type.Out()), S_OK);
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(type->GetTypeAttr(&attr), S_OK);
  EXPECT_TRUE(IsEqualGUID(attr->guid, kClsid));
  EXPECT_EQ(attr->typekind, TKIND_COCLASS);
  type->ReleaseTypeAttr(attr);
  CLSID clsid{};
  EXPECT_EQ(As<IPersist>(control, IID_IPersist)->GetClassID(&clsid), S_OK);
  EXPECT_TRUE(IsEqualCLSID(clsid, kClsid));
  type.Reset();
  info.Reset();
  Shutdown(control);
}

struct SafetyRow {
  const char* what;
  const IID* iid;  // null: a null riid
  bool set;
  DWORD mask, enabled;
  ::HRESULT expected;
  DWORD expectedEnabled;  // Get only
};

const SafetyRow kSafety[] = {
    {"Get IDispatch", &IID_IDispatch, false, 0, 0, S_OK, 1},
    {"Get IPersistPropertyBag", &IID_IPersistPropertyBag, false, 0, 0, S_OK, 2},
    {"Get IPersistStreamInit", &IID_IPersistStreamInit, false, 0, 0, S_OK, 2},
    {"Get IPersistStorage", &IID_IPersistStorage, false, 0, 0, S_OK, 2},
    {"Get IUnknown", &IID_IUnknown, false, 0, 0, E_NOINTERFACE, 77},
    {"Get null riid", nullptr, false, 0, 0, S_OK, 77},
    {"Set IDispatch 3/3", &IID_IDispatch, true, 3, 3, E_FAIL, 0},
    {"Set IDispatch 1/1", &IID_IDispatch, true, 1, 1, S_OK, 0},
    {"Set IDispatch mask 0", &IID_IDispatch, true, 0, 1, E_FAIL, 0},
    {"Set IPersistStream 2/2", &IID_IPersistStream, true, 2, 2, S_OK, 0},
    {"Set IUnknown", &IID_IUnknown, true, 1, 1, E_NOINTERFACE, 0},
    {"Set null riid", nullptr, true, 1, 1, S_OK, 0},
};

// A caller in C passes the riid by pointer; null is possible there.
using GetOptions = HRESULT(STDMETHODCALLTYPE*)(::IObjectSafety*, const IID*, DWORD*, DWORD*);
using SetOptions = HRESULT(STDMETHODCALLTYPE*)(::IObjectSafety*, const IID*, DWORD, DWORD);

TEST_F(Container, ObjectSafetyAnswersOneRowPerFact) {
  auto control = Embed();
  auto safety = As<::IObjectSafety>(control, IID_IObjectSafety);
  void** vtable = *reinterpret_cast<void***>(safety.get());
  auto get = reinterpret_cast<GetOptions>(vtable[3]);
  auto set = reinterpret_cast<SetOptions>(vtable[4]);
  for (const SafetyRow& row : kSafety) {
    if (row.set) {
      EXPECT_EQ(set(safety.get(), row.iid, row.mask, row.enabled), row.expected) << row.what;
      continue;
    }
    DWORD supported = 0, enabled = 77;
    EXPECT_EQ(get(safety.get(), row.iid, &supported, &enabled), row.expected) << row.what;
    EXPECT_EQ(supported, 3u) << row.what;
    EXPECT_EQ(enabled, row.expectedEnabled) << row.what;
  }
  DWORD supported = 0;
  EXPECT_EQ(get(safety.get(), &IID_IDispatch, &supported, nullptr), E_POINTER);
  safety.Reset();
  Shutdown(control);
}

TEST_F(Container, ResourceStringsIsCreatableAndAnswersTexts) {
  auto factory = library.Factory(ToGuid(com_identity::kClsidResourceStrings));
  ASSERT_TRUE(factory);
  ComPtr<IDispatch> strings;
  ASSERT_EQ(
      factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(strings.Out())),
      S_OK);
  ComPtr<IUnknown> dual;
  EXPECT_EQ(strings->QueryInterface(ToGuid(com_identity::kIid_ResourceStrings),
                                    reinterpret_cast<void**>(dual.Out())),
            S_OK);
  ComVariant id(Variant(std::int32_t{50152}));
  DISPPARAMS params{id.get(), nullptr, 1, 0};
  ComVariant text;
  ASSERT_EQ(strings->Invoke(IdOf(strings.get(), L"get_string"), IID_NULL, LOCALE_USER_DEFAULT,
                            DISPATCH_METHOD, &params, text.get(), nullptr, nullptr),
            S_OK);
  EXPECT_EQ(text.value().AsString(), "Plotvane");
  EXPECT_EQ(factory->CreateInstance(static_cast<IOleClientSite*>(&site), IID_IUnknown,
                                    reinterpret_cast<void**>(dual.Out())),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  dual.Reset();
  strings.Reset();
  EXPECT_EQ(library.CanUnloadNow(), S_FALSE) << "locked";
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  factory.Reset();
}

TEST_F(Container, UnknownClassesAreNotServed) {
  ComPtr<IClassFactory> factory;
  EXPECT_EQ(library.Export<HRESULT STDAPICALLTYPE(REFCLSID, REFIID, void**)>("DllGetClassObject")(
                IID_IDispatch, IID_IClassFactory, reinterpret_cast<void**>(factory.Out())),
            CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_FALSE(factory);
}

}  // namespace
}  // namespace velkor::com
