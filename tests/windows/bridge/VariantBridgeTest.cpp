// The project's Variant against VARIANT: one row per subtype out and back,
// the foreign subtypes coming in, arrays with their bounds, and by-reference
// write-back with the runtime's conversions.
#include <windows.h>

#include <oleauto.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "BridgeTestSupport.h"
#include "com/bridge/Bstr.h"
#include "com/bridge/VariantBridge.h"
#include "platform/VbError.h"

namespace velkor::com::testing {
namespace {

// The error number `f` raises, or 0.
int RaisedBy(const std::function<void()>& f) {
  try {
    f();
  } catch (const VbError& e) {
    return e.number();
  }
  return 0;
}

// ------------------------------------------------------------ out and back

struct OutRow {
  Variant value;
  VARTYPE vt;
  std::string described;  // the same value read back
};

std::vector<OutRow> OutRows() {
  return {
      {Variant(), VT_EMPTY, "Empty"},
      {Variant::Null(), VT_NULL, "Null"},
      {Variant::Missing(), VT_ERROR, "Missing"},
      {Variant(true), VT_BOOL, "True"},
      {Variant(false), VT_BOOL, "False"},
      {Variant(std::int16_t{-32768}), VT_I2, "Integer -32768"},
      {Variant(std::int32_t{2147483647}), VT_I4, "Long 2147483647"},
      {Variant(-0.1), VT_R8, "Double -0.10000000000000001"},
      {Variant(DateValue{-1.25}), VT_DATE, "Date -1.25"},
      {Variant(""), VT_BSTR, "String \"\""},
      {Variant("Zürich € 𝄞"), VT_BSTR, "String \"Zürich € 𝄞\""},
      {Variant(ErrorValue{2015}), VT_ERROR, "Error 2015"},
      {Variant(ErrorValue{static_cast<std::int32_t>(0x8004F003u)}), VT_ERROR, "Error -2147160061"},
      {Variant::Nothing(), VT_DISPATCH, "Nothing"},
      {Variant(SafeArray({Variant(1), Variant("a")}, 1)), VT_ARRAY | VT_VARIANT,
       "Array(1 to 2)[Long 1, String \"a\"]"},
  };
}

TEST(VariantBridge, EachSubtypeGoesOutAndComesBackUnchanged) {
  for (const OutRow& row : OutRows()) {
    ComVariant out(row.value);
    EXPECT_EQ(V_VT(out.get()), row.vt) << row.described;
    EXPECT_EQ(Describe(out.value()), row.described);
  }
}

// What oleaut32 makes of the VARIANTs the bridge writes: the same facts the
// other side of a call sees.
TEST(VariantBridge, OleAutomationReadsTheValuesAsTheProjectMeantThem) {
  struct Row {
    Variant value;
    VARTYPE to;
    std::string expected;  // read back through the bridge
  } rows[] = {
      {Variant(true), VT_I4, "Long -1"},
      {Variant(false), VT_I2, "Integer 0"},
      {Variant(DateValue{36526.5}), VT_R8, "Double 36526.5"},
      {Variant("2.5"), VT_R8, "Double 2.5"},
      {Variant(std::int16_t{7}), VT_BSTR, "String \"7\""},
      {Variant("Zürich"), VT_BSTR, "String \"Zürich\""},
      {Variant(DateValue{0.25}), VT_BSTR, "String \"6:00:00 AM\""},
  };
  for (const Row& row : rows) {
    ComVariant in(row.value);
    ComVariant converted;
    ASSERT_EQ(VariantChangeTypeEx(converted.get(), in.get(), 1033, 0, row.to), S_OK)
        << row.expected;
    EXPECT_EQ(Describe(converted.value()), row.expected);
  }
  // A cell error value is the runtime's HRESULT of its number, as the host passes it.
  ComVariant error(Variant(ErrorValue{2015}));
  EXPECT_EQ(static_cast<std::uint32_t>(V_ERROR(error.get())), 0x800A07DFu);
}

// ------------------------------------------------------------ coming in

TEST(VariantBridge, ForeignSubtypesArriveAsTheNearestProjectSubtype) {
  struct Row {
    std::function<void(VARIANT&)> fill;
    std::string expected;
  } rows[] = {
      {[](VARIANT& v) { V_VT(&v) = VT_UI1, V_UI1(&v) = 200; }, "Integer 200"},
      {[](VARIANT& v) { V_VT(&v) = VT_I1, V_I1(&v) = -5; }, "Integer -5"},
      {[](VARIANT& v) { V_VT(&v) = VT_UI2, V_UI2(&v) = 65535; }, "Long 65535"},
      {[](VARIANT& v) { V_VT(&v) = VT_UI4, V_UI4(&v) = 4000000000u; }, "Double 4000000000"},
      {[](VARIANT& v) { V_VT(&v) = VT_UI4, V_UI4(&v) = 7; }, "Long 7"},
      {[](VARIANT& v) { V_VT(&v) = VT_INT, V_INT(&v) = -9; }, "Long -9"},
      {[](VARIANT& v) { V_VT(&v) = VT_I8, V_I8(&v) = -2147483648LL; }, "Long -2147483648"},
      {[](VARIANT& v) { V_VT(&v) = VT_I8, V_I8(&v) = 1000000000000LL; }, "Double 1000000000000"},
      {[](VARIANT& v) { V_VT(&v) = VT_R4, V_R4(&v) = 1.5f; }, "Double 1.5"},
      {[](VARIANT& v) { V_VT(&v) = VT_CY, V_CY(&v).int64 = 12345678; }, "Double 1234.5678"},
      {[](VARIANT& v) {
         VarDecFromR8(-2.5, &V_DECIMAL(&v));
         V_VT(&v) = VT_DECIMAL;
       },
       "Double -2.5"},
      {[](VARIANT& v) { V_VT(&v) = VT_BSTR, V_BSTR(&v) = nullptr; }, "String \"\""},
      {[](VARIANT& v) { V_VT(&v) = VT_UNKNOWN, V_UNKNOWN(&v) = nullptr; }, "Nothing"},
      {[](VARIANT& v) { V_VT(&v) = VT_ERROR, V_ERROR(&v) = 0x800A0007; }, "Error 7"},
  };
  for (const Row& row : rows) {
    ComVariant in;
    row.fill(*in.get());
    EXPECT_EQ(Describe(in.value()), row.expected);
  }
}

TEST(VariantBridge, ByReferenceValuesAreFollowed) {
  LONG n = 42;
  BSTR text = ToBstr("abc");
  VARIANT inner = Long(5);
  VARIANT viaInner = RefTo(VT_VARIANT, &inner);
  EXPECT_EQ(Describe(FromComVariant(RefTo(VT_I4, &n))), "Long 42");
  EXPECT_EQ(Describe(FromComVariant(RefTo(VT_BSTR, &text))), "String \"abc\"");
  EXPECT_EQ(Describe(FromComVariant(viaInner)), "Long 5");
  EXPECT_EQ(Describe(FromComVariant(RefTo(VT_VARIANT, &viaInner))), "Long 5");
  SysFreeString(text);
}

TEST(VariantBridge, TypesWithoutCounterpartRaise458) {
  VARIANT record;
  VariantInit(&record);
  V_VT(&record) = VT_RECORD;
  EXPECT_EQ(RaisedBy([&] { FromComVariant(record); }), 458);
  VARIANT lonely;
  V_VT(&lonely) = VT_VARIANT;  // a VARIANT holds another only by reference
  EXPECT_EQ(RaisedBy([&] { FromComVariant(lonely); }), 458);
}

// ------------------------------------------------------------ arrays

TEST(VariantBridge, ArraysKeepTheirBoundsAndElementOrder) {
  SafeArray grid(SafeArray::Bound{-1, 3}, SafeArray::Bound{5, 2});  // (-1 To 1, 5 To 6)
  for (int i = -1; i <= 1; ++i) {
    for (int j = 5; j <= 6; ++j) grid.at(i, j) = Variant(static_cast<std::int32_t>(i * 10 + j));
  }
  ComVariant out{Variant(grid)};
  SAFEARRAY* array = V_ARRAY(out.get());
  ASSERT_EQ(SafeArrayGetDim(array), 2u);
  LONG lower = 0, upper = 0;
  SafeArrayGetLBound(array, 1, &lower);
  SafeArrayGetUBound(array, 1, &upper);
  EXPECT_EQ(lower, -1);
  EXPECT_EQ(upper, 1);
  SafeArrayGetLBound(array, 2, &lower);
  SafeArrayGetUBound(array, 2, &upper);
  EXPECT_EQ(lower, 5);
  EXPECT_EQ(upper, 6);
  // Element (i, j) is where oleaut32 finds it by the same subscripts.
  for (LONG i = -1; i <= 1; ++i) {
    for (LONG j = 5; j <= 6; ++j) {
      LONG indices[] = {i, j};
      ComVariant element;
      ASSERT_EQ(SafeArrayGetElement(array, indices, element.get()), S_OK);
      EXPECT_EQ(Describe(element.value()), "Long " + std::to_string(i * 10 + j));
    }
  }
  EXPECT_EQ(Describe(out.value()), Describe(Variant(grid)));
}

TEST(VariantBridge, TypedArraysArriveElementByElement) {
  SAFEARRAYBOUND bound{3, 2};  // 2 To 4
  SAFEARRAY* longs = SafeArrayCreate(VT_I4, 1, &bound);
  SAFEARRAY* texts = SafeArrayCreate(VT_BSTR, 1, &bound);
  for (LONG i = 2; i <= 4; ++i) {
    LONG n = i * i;
    SafeArrayPutElement(longs, &i, &n);
    Bstr text(std::to_string(i));
    SafeArrayPutElement(texts, &i, text.get());
  }
  ComVariant a, b;
  V_VT(a.get()) = VT_ARRAY | VT_I4;
  V_ARRAY(a.get()) = longs;
  V_VT(b.get()) = VT_ARRAY | VT_BSTR;
  V_ARRAY(b.get()) = texts;
  EXPECT_EQ(Describe(a.value()), "Array(2 to 4)[Long 4, Long 9, Long 16]");
  EXPECT_EQ(Describe(b.value()), "Array(2 to 4)[String \"2\", String \"3\", String \"4\"]");
  // By reference, as a caller passes an array variable.
  SAFEARRAY* held = V_ARRAY(a.get());
  EXPECT_EQ(Describe(FromComVariant(RefTo(VT_ARRAY | VT_I4, &held))), Describe(a.value()));
}

TEST(VariantBridge, ArraysOfMoreThanTwoDimensionsOrMislabelledAreATypeMismatch) {
  SAFEARRAYBOUND bounds[] = {{1, 0}, {1, 0}, {1, 0}};
  ComVariant cube;
  V_VT(cube.get()) = VT_ARRAY | VT_VARIANT;
  V_ARRAY(cube.get()) = SafeArrayCreate(VT_VARIANT, 3, bounds);
  EXPECT_EQ(RaisedBy([&] { cube.value(); }), 13);

  // A VARIANT that names another element type than its array holds.
  SAFEARRAYBOUND bound{2, 0};
  ComVariant mislabelled;
  V_VT(mislabelled.get()) = VT_ARRAY | VT_I2;
  V_ARRAY(mislabelled.get()) = SafeArrayCreate(VT_I4, 1, &bound);
  EXPECT_EQ(RaisedBy([&] { mislabelled.value(); }), 13);
  V_VT(mislabelled.get()) = VT_ARRAY | VT_I4;  // so that it is freed as what it is
}

TEST(VariantBridge, NestedArraysAndEmptyArraysRoundTrip) {
  Variant nested(SafeArray({Variant(SafeArray({Variant("x")}, 0)), Variant::Null()}, 0));
  EXPECT_EQ(Describe(ComVariant(nested).value()), Describe(nested));
  Variant empty{SafeArray(std::vector<Variant>{}, 0)};
  EXPECT_EQ(Describe(ComVariant(empty).value()), "Array(0 to -1)[]");
}

// ------------------------------------------------------------ write-back

// One by-reference target per row: what it held, the value written, what it
// holds afterwards (or the error raised, the old value kept).
TEST(VariantBridge, WriteBackConvertsToTheReferencedType) {
  struct Row {
    VARTYPE vt;
    Variant written;
    std::string expected;  // the target read back, or "error N"
  } rows[] = {
      {VT_BSTR, Variant(std::int32_t{5}), "String \"5\""},
      {VT_BSTR, Variant(true), "String \"True\""},
      {VT_BSTR, Variant::Null(), "error 94"},
      {VT_I2, Variant("12"), "Integer 12"},
      {VT_I2, Variant(2.5), "Integer 2"},
      {VT_I2, Variant(std::int32_t{40000}), "error 6"},
      {VT_I4, Variant("x"), "error 13"},
      {VT_R8, Variant("1.5"), "Double 1.5"},
      {VT_BOOL, Variant("True"), "True"},
      {VT_DATE, Variant("12/7/2026"), "Date 46363"},
      {VT_UI1, Variant(std::int32_t{256}), "error 6"},
      {VT_UI1, Variant(std::int32_t{255}), "Integer 255"},
      {VT_CY, Variant("1.5"), "Double 1.5"},
      {VT_ERROR, Variant(ErrorValue{2042}), "Error 2042"},
      {VT_ERROR, Variant(std::int32_t{1}), "error 13"},
      {VT_VARIANT, Variant("as is"), "String \"as is\""},
      {VT_VARIANT, Variant::Null(), "Null"},
      {VT_DISPATCH, Variant::Nothing(), "Nothing"},
      {VT_DISPATCH, Variant(std::int32_t{1}), "error 13"},
  };
  for (const Row& row : rows) {
    // The target starts as the text "old" converted to its type where it can be.
    ComVariant target;
    ComVariant old{Variant(row.vt == VT_BSTR || row.vt == VT_VARIANT ? "old" : "")};
    if (row.vt == VT_VARIANT || row.vt == VT_BSTR) {
      VariantCopy(target.get(), old.get());
    } else {
      V_VT(target.get()) = row.vt;
      V_UNKNOWN(target.get()) = nullptr;  // zero the whole value field
      V_CY(target.get()).int64 = 0;
    }
    const std::string before = Describe(target.value());
    VARIANT ref = row.vt == VT_VARIANT ? RefTo(VT_VARIANT, target.get())
                                       : RefTo(row.vt, &V_NONE(target.get()));
    const int error = RaisedBy([&] { WriteBack(row.written, ref); });
    if (error) {
      EXPECT_EQ("error " + std::to_string(error), row.expected) << Describe(row.written);
      EXPECT_EQ(Describe(target.value()), before) << "a failed write-back keeps the old value";
    } else {
      EXPECT_EQ(Describe(target.value()), row.expected) << Describe(row.written);
    }
  }
}

TEST(VariantBridge, WriteBackLeavesByValueArgumentsAloneAndFollowsAReferenceChain) {
  VARIANT byValue = Long(1);
  WriteBack(Variant("x"), byValue);
  EXPECT_EQ(V_VT(&byValue), VT_I4);
  EXPECT_EQ(V_I4(&byValue), 1);

  // A Variant variable that holds a reference to a Long stores into the Long.
  LONG n = 0;
  VARIANT chained = RefTo(VT_I4, &n);
  VARIANT outer = RefTo(VT_VARIANT, &chained);
  WriteBack(Variant("17"), outer);
  EXPECT_EQ(n, 17);
}

// An array variable of a fixed element type takes each element converted;
// one element that does not convert leaves the variable as it was.
TEST(VariantBridge, WriteBackIntoTypedArrayVariables) {
  SAFEARRAYBOUND bound{1, 0};
  SAFEARRAY* texts = SafeArrayCreate(VT_BSTR, 1, &bound);
  VARIANT ref = RefTo(VT_ARRAY | VT_BSTR, &texts);
  WriteBack(Variant(SafeArray({Variant(1), Variant(true)}, 1)), ref);
  EXPECT_EQ(Describe(FromComVariant(ref)), "Array(1 to 2)[String \"1\", String \"True\"]");

  SAFEARRAY* longs = SafeArrayCreate(VT_I4, 1, &bound);
  SAFEARRAY* before = longs;
  VARIANT longsRef = RefTo(VT_ARRAY | VT_I4, &longs);
  EXPECT_EQ(RaisedBy([&] {
              WriteBack(Variant(SafeArray({Variant(1), Variant("x")}, 0)), longsRef);
            }),
            13);
  EXPECT_EQ(longs, before);
  EXPECT_EQ(RaisedBy([&] { WriteBack(Variant(1), longsRef); }), 13) << "not an array";
  SafeArrayDestroy(texts);
  SafeArrayDestroy(longs);
}

TEST(VariantBridge, StoreResultFillsAnUninitialisedSlot) {
  BSTR slot = reinterpret_cast<BSTR>(0x1);  // garbage: must not be freed
  VARIANT ref = RefTo(VT_BSTR, &slot);
  StoreResult(Variant(std::int32_t{3}), ref);
  EXPECT_EQ(FromBstr(slot), "3");
  SysFreeString(slot);
}

// ------------------------------------------------------------ text

TEST(VariantBridge, TextConvertsLosslesslyAndNullIsEmpty) {
  const std::string samples[] = {"", "plain", "ß€𝄞", std::string("a\0b", 3)};
  for (const std::string& s : samples) {
    Bstr b(s);
    EXPECT_EQ(SysStringLen(b.get()), ToWide(s).size());
    EXPECT_EQ(b.Utf8(), s);
  }
  EXPECT_EQ(FromBstr(nullptr), "");
  EXPECT_EQ(Bstr("\xff").Utf8(), "\xEF\xBF\xBD") << "malformed input becomes U+FFFD";
}

}  // namespace
}  // namespace velkor::com::testing
