#include "tools/idlgen/ThunkWriter.h"

#include <string>
#include <string_view>
#include <vector>

#include "tools/idlgen/Library.h"

namespace velkor::idlgen {

using slots::BaseType;
using slots::Param;
using slots::Slot;

namespace {

std::string Declaration(const Param& p) {
  return CppType(p.type) + (p.byRef ? "* " : " ") + std::string(p.name);
}

// The packing expression of one argument.
std::string Packed(const Param& p) {
  const std::string name(p.name);
  const std::string vt(VarTypeOf(p.type));
  if (p.byRef)
    return (p.optional ? "packing::OptionalRef(" : "packing::Ref(") + vt + ", " + name + ")";
  switch (p.type.base) {
    case BaseType::Variant:
      return "packing::Borrowed(" + name + ")";
    case BaseType::Boolean:
      return "packing::Bool(" + name + ")";
    case BaseType::String:
      return "packing::Bstr(" + name + ")";
    case BaseType::Object:
      return (vt == "VT_UNKNOWN" ? "packing::Unknown(" : "packing::Dispatch(") + name + ")";
    default:
      return "packing::Long(static_cast<LONG>(" + name + "))";
  }
}

void WriteThunk(std::ostream& out, const DualInterface& itf, const Slot& s) {
  const bool hasResult = s.result.base != BaseType::None;
  std::vector<std::string> decls;
  for (const Param& p : s.params) decls.push_back(Declaration(p));
  if (hasResult) decls.push_back(CppType(s.result) + "* retval");
  out << "  ::HRESULT STDMETHODCALLTYPE " << SpellingOf(s.kind).cppPrefix << s.name << "(";
  for (std::size_t i = 0; i < decls.size(); ++i) out << (i ? ", " : "") << decls[i];
  out << ") override {\n";
  for (const Param& p : s.params)
    if (p.byRef && !p.optional) out << "    if (!" << p.name << ") return E_POINTER;\n";
  if (hasResult) {
    out << "    if (!retval) return E_POINTER;\n"
        << "    VARIANT result = packing::Out(" << VarTypeOf(s.result) << ", retval);\n";
  } else {
    out << "    VARIANT result = packing::Empty();\n";
  }
  std::string args = "nullptr";
  if (!s.params.empty()) {
    out << "    VARIANT args[] = {";
    for (std::size_t i = 0; i < s.params.size(); ++i) out << (i ? ", " : "") << Packed(s.params[i]);
    out << "};\n";
    args = "args";
  }
  out << "    return CallMember(" << HexId(itf.DispId(s.name)) << ", "
      << SpellingOf(s.kind).dispatchFlag << ", " << args << ", " << s.params.size()
      << ", &result);\n  }\n";
}

void WriteClass(std::ostream& out, const DualInterface& itf) {
  const std::string name = itf.ThunkName();
  const std::string base = "::" + itf.InterfaceName();
  out << "class " << name << " : public " << base << " {\n public:\n"
      << "  using Interface = " << base << ";\n"
      << "  static const IID& Iid() { return __uuidof(" << base << "); }\n\n"
      << "  // The member `id` with its arguments in declaration order (see\n"
      << "  // DualPacking.h); `kind` is one of the DISPATCH_ flags.\n"
      << "  virtual ::HRESULT CallMember(DISPID id, WORD kind, VARIANT* args, UINT count,\n"
      << "                             VARIANT* result) = 0;\n\n";
  for (const Slot& s : itf.slots) WriteThunk(out, itf, s);
  out << "};\n\n";
}

}  // namespace

void WriteDualThunks(std::ostream& out) {
  out << "// The dual interfaces of the velkor type library over one CallMember each.\n"
         "// Written by velkor_idlgen from the published member tables; do not edit.\n"
         "#pragma once\n\n#include \"DualPacking.h\"\n#include \"velkor_idl.h\"\n\n"
         "namespace velkor::com {\n\n";
  for (const DualInterface& itf : DualInterfaces()) WriteClass(out, itf);
  out << "}  // namespace velkor::com\n";
}

}  // namespace velkor::idlgen
