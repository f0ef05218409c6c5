#include "windows/TypeLibCompare.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

#include "control/ComIdentity.h"
#include "control/PublishedTypes.h"
#include "control/Slots.h"
#include "tools/idlgen/Library.h"

namespace velkor::com::testing {

namespace {

namespace id = com_identity;
using slots::BaseType;
using slots::Param;
using slots::Slot;
using slots::SlotKind;
using slots::TypeRef;

struct Releaser {
  void operator()(IUnknown* p) const { p->Release(); }
};
using InfoPtr = std::unique_ptr<ITypeInfo, Releaser>;

std::string Utf8(BSTR text) {
  if (!text) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
  return out;
}

GUID ToGuid(const Guid& g) {
  GUID out{g.data1, g.data2, g.data3, {}};
  for (int i = 0; i < 8; ++i) out.Data4[i] = g.data4[static_cast<std::size_t>(i)];
  return out;
}

struct Doc {
  std::string name, docString, helpFile;
  DWORD helpContext = 0;
};

Doc Documentation(ITypeInfo* info, MEMBERID member) {
  BSTR name = nullptr, doc = nullptr, file = nullptr;
  Doc out;
  if (SUCCEEDED(info->GetDocumentation(member, &name, &doc, &out.helpContext, &file))) {
    out = {Utf8(name), Utf8(doc), Utf8(file), out.helpContext};
    SysFreeString(name), SysFreeString(doc), SysFreeString(file);
  }
  return out;
}

// TYPEATTR, FUNCDESC and VARDESC released with their type info.
struct Attr {
  ITypeInfo* info;
  TYPEATTR* attr = nullptr;
  explicit Attr(ITypeInfo* i) : info(i) { info->GetTypeAttr(&attr); }
  ~Attr() { info->ReleaseTypeAttr(attr); }
  const TYPEATTR* operator->() const { return attr; }
};
struct Func {
  ITypeInfo* info;
  FUNCDESC* desc = nullptr;
  Func(ITypeInfo* i, UINT index) : info(i) { info->GetFuncDesc(index, &desc); }
  ~Func() { info->ReleaseFuncDesc(desc); }
};
struct Var {
  ITypeInfo* info;
  VARDESC* desc = nullptr;
  Var(ITypeInfo* i, UINT index) : info(i) { info->GetVarDesc(index, &desc); }
  ~Var() { info->ReleaseVarDesc(desc); }
};

// The type as the IDL spells it: "VARIANT*", "_ZaltPoints*", "IDispatch*".
std::string TypeText(ITypeInfo* owner, const TYPEDESC& t) {
  switch (t.vt) {
    case VT_PTR:
      return TypeText(owner, *t.lptdesc) + "*";
    case VT_USERDEFINED: {
      ITypeInfo* ref = nullptr;
      if (FAILED(owner->GetRefTypeInfo(t.hreftype, &ref))) return "?";
      InfoPtr held(ref);
      return Documentation(ref, MEMBERID_NIL).name;
    }
    case VT_VARIANT:
      return "VARIANT";
    case VT_BOOL:
      return "VARIANT_BOOL";
    case VT_I4:
      return "long";
    case VT_I2:
      return "short";
    case VT_BSTR:
      return "BSTR";
    case VT_DISPATCH:
      return "IDispatch*";
    case VT_UNKNOWN:
      return "IUnknown*";
    case VT_HRESULT:
      return "HRESULT";
    case VT_VOID:
      return "void";
    default:
      return "vt " + std::to_string(t.vt);
  }
}

// What the library must declare for a value of `type`; the mapping itself
// is pinned row by row in TypeLibTest.cpp.
std::string Expected(const TypeRef& type) {
  return idlgen::IdlType(type);
}

// The IDL compiler cannot carry the default of a Variant parameter: such a
// parameter is published optional without a default.
bool CarriesDefault(const Param& p) {
  return p.optional && !p.defaultValue.IsMissing() && p.type.base != BaseType::Variant;
}

// Whether the library's default `actual` is the table's `expected`.
bool SameDefault(VARIANT actual, const Variant& expected) {
  VARIANT v;
  VariantInit(&v);
  bool same = false;
  if (expected.type() == VarType::Boolean) {
    same = SUCCEEDED(VariantChangeType(&v, &actual, 0, VT_BOOL)) &&
           (v.boolVal != VARIANT_FALSE) == expected.AsBool();
  } else if (expected.IsString()) {
    same = SUCCEEDED(VariantChangeType(&v, &actual, 0, VT_BSTR)) &&
           Utf8(v.bstrVal) == expected.AsString();
  } else {
    const long want =
        expected.type() == VarType::Integer ? expected.AsInteger() : expected.AsLong();
    same = SUCCEEDED(VariantChangeType(&v, &actual, 0, VT_I4)) && v.lVal == want;
  }
  VariantClear(&v);
  return same;
}

class Comparer {
 public:
  explicit Comparer(ITypeLib* lib) : lib_(lib) {}
  std::vector<std::string> Run();

 private:
  void Check(bool ok, const std::string& where, const std::string& what) {
    if (!ok) diffs_.push_back(where + ": " + what);
  }
  template <class T>
  void Same(const T& actual, const T& expected, const std::string& where, const std::string& what) {
    if constexpr (std::is_same_v<T, std::string>)
      Check(actual == expected, where, what + " \"" + actual + "\", expected \"" + expected + "\"");
    else
      Check(actual == expected, where,
            what + " " + std::to_string(actual) + ", expected " + std::to_string(expected));
  }
  InfoPtr Info(const Guid& g, const std::string& where);

  void Library();
  void DualInterface(std::string_view className, const Guid& iid, std::span<const Slot> slots,
                     const slots::PublishedClass* cls);
  void Member(ITypeInfo* vtable, UINT index, const std::string& where, const Slot& slot,
              MEMBERID expectedId, bool firstSlotOfMember);
  void Params(ITypeInfo* info, const FUNCDESC& f, const std::string& where,
              const std::vector<Param>& params);
  void Events();
  void Enums();
  void Records();
  void Coclass(const Guid& clsid, const std::string& name, bool creatable,
               std::vector<std::pair<std::string, int>> implemented, bool control);

  ITypeLib* lib_;
  std::vector<std::string> diffs_;
};

InfoPtr Comparer::Info(const Guid& g, const std::string& where) {
  ITypeInfo* info = nullptr;
  const GUID guid = ToGuid(g);
  Check(SUCCEEDED(lib_->GetTypeInfoOfGuid(guid, &info)), where, "missing from the library");
  return InfoPtr(info);
}

void Comparer::Library() {
  TLIBATTR* attr = nullptr;
  if (FAILED(lib_->GetLibAttr(&attr))) return Check(false, "library", "no attributes");
  Check(IsEqualGUID(attr->guid, ToGuid(id::kLibId)), "library", "identifier differs");
  Same<long>(attr->lcid, id::kTypeLibLcid, "library", "locale");
  Same<long>(attr->wMajorVerNum, id::kTypeLibMajor, "library", "major version");
  Same<long>(attr->wMinorVerNum, id::kTypeLibMinor, "library", "minor version");
  lib_->ReleaseTLibAttr(attr);
  BSTR name = nullptr, doc = nullptr, file = nullptr;
  DWORD context = 0;
  lib_->GetDocumentation(-1, &name, &doc, &context, &file);
  Same(Utf8(name), std::string(id::kTypeLibName), "library", "name");
  Same(Utf8(doc), std::string(id::kTypeLibHelpString), "library", "help string");
  Same(Utf8(file), std::string(id::kTypeLibHelpFile), "library", "help file");
  SysFreeString(name), SysFreeString(doc), SysFreeString(file);
}

void Comparer::Params(ITypeInfo* info, const FUNCDESC& f, const std::string& where,
                      const std::vector<Param>& params) {
  for (std::size_t k = 0; k < params.size() && k < static_cast<std::size_t>(f.cParams); ++k) {
    const Param& p = params[k];
    const ELEMDESC& e = f.lprgelemdescParam[k];
    const std::string at = where + "(" + std::string(p.name) + ")";
    Same(TypeText(info, e.tdesc), Expected(p.type) + (p.byRef ? "*" : ""), at, "type");
    const USHORT flags = e.paramdesc.wParamFlags;
    Same<int>(!!(flags & PARAMFLAG_FIN), 1, at, "in");
    Same<int>(!!(flags & PARAMFLAG_FOUT), p.byRef, at, "out (by reference)");
    Same<int>(!!(flags & PARAMFLAG_FOPT), p.optional, at, "optional");
    const bool hasDefault = flags & PARAMFLAG_FHASDEFAULT;
    Same<int>(hasDefault, CarriesDefault(p), at, "has default");
    if (hasDefault && CarriesDefault(p))
      Check(SameDefault(e.paramdesc.pparamdescex->varDefaultValue, p.defaultValue), at,
            "default differs (vt " + std::to_string(e.paramdesc.pparamdescex->varDefaultValue.vt) +
                ")");
  }
}

void Comparer::Member(ITypeInfo* vtable, UINT index, const std::string& where, const Slot& slot,
                      MEMBERID expectedId, bool firstSlotOfMember) {
  Func func(vtable, index);
  if (!func.desc) return Check(false, where, "no function");
  const FUNCDESC& f = *func.desc;
  Same<long>(f.memid, expectedId, where, "dispatch id");
  static constexpr INVOKEKIND kKinds[] = {INVOKE_PROPERTYGET, INVOKE_PROPERTYPUT,
                                          INVOKE_PROPERTYPUTREF, INVOKE_FUNC};
  Same<int>(f.invkind, kKinds[static_cast<int>(slot.kind)], where, "invoke kind");
  Same<int>(!!(f.wFuncFlags & FUNCFLAG_FHIDDEN), slot.hidden, where, "hidden");
  Same<int>(!!(f.wFuncFlags & FUNCFLAG_FNONBROWSABLE), slot.nonBrowsable, where, "nonbrowsable");
  const bool hasResult = slot.result.base != BaseType::None;
  Same<int>(f.cParams, static_cast<int>(slot.params.size() + hasResult), where, "parameter count");
  int optional = 0;
  for (const Param& p : slot.params) optional += p.optional;
  Same<int>(f.cParamsOpt, optional, where, "optional count");
  Params(vtable, f, where, slot.params);
  if (hasResult && f.cParams > 0) {
    const ELEMDESC& r = f.lprgelemdescParam[f.cParams - 1];
    Check(r.paramdesc.wParamFlags & PARAMFLAG_FRETVAL, where, "last parameter is not the retval");
    Same(TypeText(vtable, r.tdesc), Expected(slot.result) + "*", where, "result type");
  }
  // GetNames finds a member by dispatch id, so it answers for the first of
  // the member's accessors only, and it never names a property's value.
  if (!firstSlotOfMember) return;
  const bool namesParams = slot.kind == SlotKind::Method;
  BSTR names[16] = {};
  UINT count = 0;
  vtable->GetNames(f.memid, names, 16, &count);
  std::vector<std::string> got;
  for (UINT i = 0; i < count; ++i) got.push_back(Utf8(names[i])), SysFreeString(names[i]);
  Same(got.empty() ? std::string() : got[0], std::string(slot.name), where, "name");
  for (std::size_t k = 0; namesParams && k < slot.params.size(); ++k)
    Same(k + 1 < got.size() ? got[k + 1] : std::string(), std::string(slot.params[k].name), where,
         "parameter " + std::to_string(k + 1) + " name");
}

void Comparer::DualInterface(std::string_view className, const Guid& iid,
                             std::span<const Slot> slots, const slots::PublishedClass* cls) {
  const std::string name = "_" + std::string(className);
  InfoPtr dispatch = Info(iid, name);
  if (!dispatch) return;
  {
    Attr attr(dispatch.get());
    Same<int>(attr->typekind, TKIND_DISPATCH, name, "kind");
    const WORD want =
        TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE;
    Same<int>(attr->wTypeFlags & want, want, name, "flags hidden|dual|nonextensible");
  }
  Same(Documentation(dispatch.get(), MEMBERID_NIL).name, name, name, "name");
  if (!cls) {
    Doc doc = Documentation(dispatch.get(), MEMBERID_NIL);
    Same(doc.docString, std::string(id::kControlDocString), name, "doc string");
    Same<long>(doc.helpContext, id::kControlHelpContext, name, "help context");
  }
  // The vtable half of the dual interface lists the members in slot order.
  HREFTYPE href = 0;
  ITypeInfo* raw = nullptr;
  if (FAILED(dispatch->GetRefTypeOfImplType(-1, &href)) ||
      FAILED(dispatch->GetRefTypeInfo(href, &raw)))
    return Check(false, name, "no vtable interface");
  InfoPtr vtable(raw);
  Same<int>(Attr(vtable.get())->cFuncs, static_cast<int>(slots.size()), name, "member count");
  const auto names = slots::MemberNamesOf(slots);
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const Slot& s = slots[i];
    MEMBERID expected = slots::MemberDispId(s.name);
    if (cls) expected = slots::ClassMemberDispId(*cls, s.name).value_or(-1);
    bool first = true;
    for (std::size_t j = 0; j < i; ++j) first = first && slots[j].name != s.name;
    Member(vtable.get(), static_cast<UINT>(i),
           name + "." + std::string(s.name) + "#" + std::to_string(i), s, expected, first);
  }
}

void Comparer::Events() {
  const std::string name = "__ExcelTrendWizard";
  InfoPtr info = Info(id::kDiid__ExcelTrendWizard, name);
  if (!info) return;
  const auto events = slots::PublishedEvents();
  {
    Attr attr(info.get());
    Same<int>(attr->typekind, TKIND_DISPATCH, name, "kind");
    Same<int>(attr->wTypeFlags & TYPEFLAG_FDUAL, 0, name, "dual flag");
    Same<int>(attr->cFuncs, static_cast<int>(events.size()), name, "event count");
  }
  Doc doc = Documentation(info.get(), MEMBERID_NIL);
  Same(doc.name, name, name, "name");
  Same(doc.docString, std::string(id::kControlDocString), name, "doc string");
  Same<long>(doc.helpContext, id::kControlHelpContext, name, "help context");
  for (std::size_t i = 0; i < events.size(); ++i) {
    const std::string where = name + "." + std::string(events[i].name);
    Func func(info.get(), static_cast<UINT>(i));
    if (!func.desc) return Check(false, where, "no function");
    Same<long>(func.desc->memid, events[i].dispId, where, "dispatch id");
    Same<int>(func.desc->cParams, static_cast<int>(events[i].params.size()), where, "parameters");
    Same(Documentation(info.get(), func.desc->memid).name, std::string(events[i].name), where,
         "name");
    Params(info.get(), *func.desc, where, events[i].params);
  }
}

void Comparer::Enums() {
  for (const slots::EnumInfo& e : slots::PublishedEnums()) {
    const std::string name(e.name);
    ITypeInfo* raw = nullptr;
    MEMBERID found = 0;
    USHORT one = 1;
    std::wstring wide(name.begin(), name.end());
    if (FAILED(lib_->FindName(wide.data(), 0, &raw, &found, &one)) || one == 0) {
      Check(false, name, "missing from the library");
      continue;
    }
    InfoPtr info(raw);
    Attr attr(info.get());
    Same<int>(attr->typekind, TKIND_ENUM, name, "kind");
    Same<int>(attr->cVars, static_cast<int>(e.constants.size()), name, "constant count");
    for (UINT i = 0; i < attr->cVars && i < e.constants.size(); ++i) {
      Var var(info.get(), i);
      const std::string where = name + "." + std::string(e.constants[i].name);
      Same(Documentation(info.get(), var.desc->memid).name, std::string(e.constants[i].name), where,
           "name");
      VARIANT v;
      VariantInit(&v);
      VariantChangeType(&v, var.desc->lpvarValue, 0, VT_I4);
      Same<long>(v.lVal, e.constants[i].value, where, "value");
    }
  }
}

void Comparer::Records() {
  for (const slots::PublishedRecord& r : slots::PublishedRecords()) {
    const std::string name(r.name);
    InfoPtr info = Info(r.id, name);
    if (!info) continue;
    Attr attr(info.get());
    Same<int>(attr->typekind, TKIND_RECORD, name, "kind");
    Same(Documentation(info.get(), MEMBERID_NIL).name, name, name, "name");
    Same<int>(attr->cVars, static_cast<int>(r.fields.size()), name, "field count");
    for (UINT i = 0; i < attr->cVars && i < r.fields.size(); ++i) {
      Var var(info.get(), i);
      const std::string where = name + "." + std::string(r.fields[i].name);
      Same(Documentation(info.get(), var.desc->memid).name, std::string(r.fields[i].name), where,
           "field name");
      Same(TypeText(info.get(), var.desc->elemdescVar.tdesc),
           std::string(r.fields[i].type == slots::FieldType::Integer ? "short" : "BSTR"), where,
           "field type");
    }
  }
}

void Comparer::Coclass(const Guid& clsid, const std::string& name, bool creatable,
                       std::vector<std::pair<std::string, int>> implemented, bool control) {
  InfoPtr info = Info(clsid, name);
  if (!info) return;
  Attr attr(info.get());
  Same<int>(attr->typekind, TKIND_COCLASS, name, "kind");
  Same(Documentation(info.get(), MEMBERID_NIL).name, name, name, "name");
  Same<int>(!!(attr->wTypeFlags & TYPEFLAG_FCANCREATE), creatable, name, "creatable");
  Same<int>(!!(attr->wTypeFlags & TYPEFLAG_FCONTROL), control, name, "control flag");
  if (control) {
    Doc doc = Documentation(info.get(), MEMBERID_NIL);
    Same(doc.docString, std::string(id::kControlDocString), name, "doc string");
    Same<long>(doc.helpContext, id::kControlHelpContext, name, "help context");
  }
  Same<int>(attr->cImplTypes, static_cast<int>(implemented.size()), name, "interface count");
  for (UINT i = 0; i < attr->cImplTypes && i < implemented.size(); ++i) {
    HREFTYPE href = 0;
    ITypeInfo* raw = nullptr;
    INT flags = 0;
    info->GetRefTypeOfImplType(i, &href);
    info->GetImplTypeFlags(i, &flags);
    if (FAILED(info->GetRefTypeInfo(href, &raw))) continue;
    InfoPtr ref(raw);
    const std::string where = name + " interface " + std::to_string(i);
    Same(Documentation(raw, MEMBERID_NIL).name, implemented[i].first, where, "name");
    Same(flags, implemented[i].second, where, "flags");
  }
}

std::vector<std::string> Comparer::Run() {
  Library();
  DualInterface("ExcelTrendWizard", id::kIid_ExcelTrendWizard, slots::PublishedSlots(), nullptr);
  for (const slots::PublishedClass& c : slots::PublishedClasses())
    DualInterface(c.name, c.iid, c.slots, &c);
  Events();
  Enums();
  Records();
  Coclass(id::kClsidExcelTrendWizard, "ExcelTrendWizard", true,
          {{"_ExcelTrendWizard", IMPLTYPEFLAG_FDEFAULT},
           {"__ExcelTrendWizard", IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE},
           {"IObjectSafety", 0}},
          true);
  for (const slots::PublishedClass& c : slots::PublishedClasses())
    Coclass(c.clsid, std::string(c.name), c.creatable,
            {{"_" + std::string(c.name), IMPLTYPEFLAG_FDEFAULT}}, false);
  return diffs_;
}

}  // namespace

std::vector<std::string> CompareWithSlotTables(ITypeLib* lib) {
  return Comparer(lib).Run();
}

}  // namespace velkor::com::testing
