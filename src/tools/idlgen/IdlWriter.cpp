#include "tools/idlgen/IdlWriter.h"

#include <string_view>
#include <vector>

#include "control/ComIdentity.h"
#include "control/PublishedTypes.h"
#include "tools/idlgen/Library.h"

namespace velkor::idlgen {

using slots::BaseType;
using slots::Param;
using slots::Slot;

namespace id = com_identity;

namespace {

// Attributes joined by ", " inside brackets.
std::string Attributes(const std::vector<std::string>& attrs) {
  std::string out = "[";
  for (std::size_t i = 0; i < attrs.size(); ++i) out += (i ? ", " : "") + attrs[i];
  return out + "]";
}

std::string ParamText(const Param& p) {
  std::vector<std::string> attrs{"in"};
  if (p.byRef) attrs.push_back("out");
  if (p.optional) attrs.push_back("optional");
  if (auto def = IdlDefault(p)) attrs.push_back("defaultvalue(" + *def + ")");
  return Attributes(attrs) + " " + IdlType(p.type) + (p.byRef ? "* " : " ") + std::string(p.name);
}

void WriteMember(std::ostream& out, const DualInterface& itf, const Slot& s) {
  std::vector<std::string> attrs{"id(" + HexId(itf.DispId(s.name)) + ")"};
  if (auto kind = SpellingOf(s.kind).idlAttribute; !kind.empty()) attrs.emplace_back(kind);
  if (s.hidden) attrs.emplace_back("hidden");
  if (s.nonBrowsable) attrs.emplace_back("nonbrowsable");
  std::vector<std::string> params;
  for (const Param& p : s.params) params.push_back(ParamText(p));
  if (s.result.base != BaseType::None)
    params.push_back("[out, retval] " + IdlType(s.result) + "* retval");
  out << "    " << Attributes(attrs) << "\n    HRESULT " << s.name << "(";
  for (std::size_t i = 0; i < params.size(); ++i) out << (i ? ", " : "") << params[i];
  out << ");\n";
}

// The doc string and help context the control's class and interfaces carry.
std::vector<std::string> Documented(std::vector<std::string> attrs) {
  attrs.push_back("helpstring(" + QuotedText(id::kControlDocString) + ")");
  attrs.push_back("helpcontext(" + std::to_string(id::kControlHelpContext) + ")");
  return attrs;
}

void WriteInterface(std::ostream& out, const DualInterface& itf) {
  std::vector<std::string> attrs{"odl", "uuid(" + UuidText(itf.iid) + ")"};
  if (!itf.cls) attrs = Documented(attrs);
  for (const char* a : {"hidden", "dual", "nonextensible", "oleautomation"}) attrs.emplace_back(a);
  out << "  " << Attributes(attrs) << "\n  interface " << itf.InterfaceName() << " : IDispatch {\n";
  for (const Slot& s : itf.slots) WriteMember(out, itf, s);
  out << "  };\n\n";
}

void WriteEvents(std::ostream& out) {
  out << "  " << Attributes(Documented({"uuid(" + UuidText(id::kDiid__ExcelTrendWizard) + ")"}))
      << "\n  dispinterface __ExcelTrendWizard {\n    properties:\n    methods:\n";
  for (const slots::EventSlot& e : slots::PublishedEvents()) {
    out << "    [id(" << e.dispId << ")]\n    void " << e.name << "(";
    for (std::size_t i = 0; i < e.params.size(); ++i)
      out << (i ? ", " : "") << ParamText(e.params[i]);
    out << ");\n";
  }
  out << "  };\n\n";
}

void WriteEnums(std::ostream& out) {
  for (const slots::EnumInfo& e : slots::PublishedEnums()) {
    out << "  typedef [uuid(" << UuidText(EnumGuid(e.name)) << ")]\n  enum " << e.name << " {\n";
    for (std::size_t i = 0; i < e.constants.size(); ++i)
      out << "    " << e.constants[i].name << " = " << e.constants[i].value
          << (i + 1 < e.constants.size() ? ",\n" : "\n");
    out << "  } " << e.name << ";\n\n";
  }
}

void WriteRecords(std::ostream& out) {
  for (const slots::PublishedRecord& r : slots::PublishedRecords()) {
    out << "  typedef [uuid(" << UuidText(r.id) << ")]\n  struct " << r.name << " {\n";
    for (const slots::RecordField& f : r.fields)
      out << "    " << (f.type == slots::FieldType::Integer ? "short" : "BSTR") << " " << f.name
          << ";\n";
    out << "  } " << r.name << ";\n\n";
  }
}

void WriteClasses(std::ostream& out) {
  std::vector<std::string> control =
      Documented({"uuid(" + UuidText(id::kClsidExcelTrendWizard) + ")"});
  control.emplace_back("control");
  out << "  " << Attributes(control) << "\n  coclass ExcelTrendWizard {\n"
      << "    [default] interface _ExcelTrendWizard;\n"
      << "    [default, source] dispinterface __ExcelTrendWizard;\n"
      << "    interface IObjectSafety;\n  };\n\n";
  for (const slots::PublishedClass& c : slots::PublishedClasses()) {
    std::vector<std::string> attrs{"uuid(" + UuidText(c.clsid) + ")"};
    if (!c.creatable) attrs.emplace_back("noncreatable");
    out << "  " << Attributes(attrs) << "\n  coclass " << c.name << " {\n    [default] interface _"
        << c.name << ";\n  };\n\n";
  }
}

}  // namespace

std::optional<std::string> IdlDefault(const Param& p) {
  const Variant& def = p.defaultValue;
  if (p.type.base == BaseType::Variant) return std::nullopt;
  switch (def.type()) {
    case VarType::Boolean:
      return def.AsBool() ? "-1" : "0";
    case VarType::Integer:
      return std::to_string(def.AsInteger());
    case VarType::Long:
      return std::to_string(def.AsLong());
    case VarType::String:
      return QuotedText(def.AsString());
    default:
      return std::nullopt;
  }
}

void WriteIdl(std::ostream& out) {
  out << "// The type library of the velkor control, written by velkor_idlgen from the\n"
         "// published member tables. Do not edit: change the tables.\n"
         "import \"oaidl.idl\";\nimport \"ocidl.idl\";\nimport \"objsafe.idl\";\n\n";
  out << Attributes({"uuid(" + UuidText(id::kLibId) + ")",
                     "version(" + std::to_string(id::kTypeLibMajor) + "." +
                         std::to_string(id::kTypeLibMinor) + ")",
                     "lcid(" + std::to_string(id::kTypeLibLcid) + ")",
                     "helpstring(" + QuotedText(id::kTypeLibHelpString) + ")",
                     "helpfile(" + QuotedText(id::kTypeLibHelpFile) + ")"})
      << "\nlibrary " << id::kTypeLibName << "\n{\n  importlib(\"stdole2.tlb\");\n\n";
  WriteEnums(out);
  WriteRecords(out);
  const auto interfaces = DualInterfaces();
  for (const DualInterface& itf : interfaces) out << "  interface " << itf.InterfaceName() << ";\n";
  out << "\n";
  for (const DualInterface& itf : interfaces) WriteInterface(out, itf);
  WriteEvents(out);
  WriteClasses(out);
  out << "};\n";
}

}  // namespace velkor::idlgen
