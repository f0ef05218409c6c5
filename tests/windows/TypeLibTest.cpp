// The built type library against the published tables, read back through
// ITypeLib/ITypeInfo as a container or a script engine reads it.
#include <windows.h>

#include <oleauto.h>

#include <gtest/gtest.h>

#include <string>

#include "control/Slots.h"
#include "tools/idlgen/Library.h"
#include "windows/TypeLibCompare.h"
#include "windows/WinePath.h"

namespace velkor::com::testing {
namespace {

ITypeLib* Load(const std::wstring& path) {
  ITypeLib* lib = nullptr;
  EXPECT_EQ(LoadTypeLibEx(path.c_str(), REGKIND_NONE, &lib), S_OK);
  return lib;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\n";
  return out;
}

TEST(TypeLib, BuiltLibraryMatchesThePublishedTables) {
  ITypeLib* lib = Load(WindowsPath(VELKOR_TYPELIB_TLB));
  ASSERT_NE(lib, nullptr);
  const auto diffs = CompareWithSlotTables(lib);
  EXPECT_TRUE(diffs.empty()) << Joined(diffs);
  lib->Release();
}

// How each declared type of the tables is published: one row per kind.
TEST(TypeLib, DeclaredTypesMapToTheirAutomationTypes) {
  using slots::BaseType;
  const struct {
    slots::TypeRef type;
    const char* idl;
    const char* cpp;
    const char* vt;
  } rows[] = {
      {{BaseType::Variant, {}}, "VARIANT", "VARIANT", "VT_VARIANT"},
      {{BaseType::Boolean, {}}, "VARIANT_BOOL", "VARIANT_BOOL", "VT_BOOL"},
      {{BaseType::Long, {}}, "long", "LONG", "VT_I4"},
      {{BaseType::String, {}}, "BSTR", "BSTR", "VT_BSTR"},
      {{BaseType::Enum, "OpenPramEnum"}, "OpenPramEnum", "OpenPramEnum", "VT_I4"},
      {{BaseType::Enum, "DataMode"}, "long", "LONG", "VT_I4"},  // an outside library's
      {{BaseType::Object, "ZaltPoints"}, "_ZaltPoints*", "_ZaltPoints*", "VT_DISPATCH"},
      {{BaseType::Object, "Servers"}, "_Servers*", "_Servers*", "VT_DISPATCH"},
      {{BaseType::Object, "TrendChart"}, "IDispatch*", "IDispatch*", "VT_DISPATCH"},
      {{BaseType::Object, "IUnknown"}, "IUnknown*", "IUnknown*", "VT_UNKNOWN"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.idl);
    EXPECT_EQ(idlgen::IdlType(row.type), row.idl);
    EXPECT_EQ(idlgen::CppType(row.type), row.cpp);
    EXPECT_EQ(idlgen::VarTypeOf(row.type), row.vt);
  }
}

// The server carries the library as resource 1 TYPELIB; this test program
// embeds it the same way, so its own file loads as the library.
TEST(TypeLib, EmbeddedResourceMatchesThePublishedTables) {
  wchar_t self[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
  ITypeLib* lib = Load(self);
  ASSERT_NE(lib, nullptr);
  const auto diffs = CompareWithSlotTables(lib);
  EXPECT_TRUE(diffs.empty()) << Joined(diffs);
  lib->Release();
}

// The comparison must not pass a library it does not know: another library
// differs in its identity and lacks every type.
TEST(TypeLib, ComparisonReportsAForeignLibrary) {
  ITypeLib* lib = Load(L"stdole2.tlb");
  ASSERT_NE(lib, nullptr);
  const std::string diffs = Joined(CompareWithSlotTables(lib));
  for (const char* expected :
       {"library: identifier differs", "library: name \"stdole\"",
        "_ExcelTrendWizard: missing from the library",
        "__ExcelTrendWizard: missing from the library", "TraceOrder: missing from the library",
        "OpenPramEnum: missing from the library"})
    EXPECT_NE(diffs.find(expected), std::string::npos) << expected << "\n" << diffs;
  lib->Release();
}

}  // namespace
}  // namespace velkor::com::testing
