#include "platform/VbError.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <vector>

#include "platform/ErrorNumbers.h"
#include "platform/Object.h"
#include "unit/platform/RaisedNumber.h"

namespace velkor {
namespace {

using platform_test::PlainObject;
using platform_test::RaisedNumber;

TEST(PlatformVbError, StandardDescriptions) {
  const std::vector<std::pair<std::int32_t, std::string>> rows{
      {5, "Invalid procedure call or argument"},
      {6, "Overflow"},
      {7, "Out of memory"},
      {9, "Subscript out of range"},
      {13, "Type mismatch"},
      {51, "Internal error"},
      {91, "Object variable or With block variable not set"},
      {94, "Invalid use of Null"},
      {326, "Resource with identifier not found"},
      {429, "ActiveX component can't create object"},
      {438, "Object doesn't support this property or method"},
      {1004, "Application-defined or object-defined error"},
      {0, "Application-defined or object-defined error"},
      {31999, "Application-defined or object-defined error"},
      {err::kDuplicateSpec, "Application-defined or object-defined error"},
  };
  for (const auto& [number, text] : rows) {
    EXPECT_EQ(StandardDescription(number), text) << number;
    EXPECT_EQ(VbError(number).description(), text) << number;
  }
}

TEST(PlatformVbError, NumbersAndHResults) {
  struct Case {
    VbError error;
    std::int32_t number;
    std::uint32_t hresult;
    std::string description;
  };
  const std::vector<Case> cases{
      {VbError(13), 13, 0x800A000Du, "Type mismatch"},
      {VbError(1004, "Cannot run"), 1004, 0x800A03ECu, "Cannot run"},
      {VbError::FromHResult(static_cast<HRESULT>(0x800A005Bu)), 91, 0x800A005Bu,
       "Object variable or With block variable not set"},
      {VbError::FromHResult(err::kDuplicateSpec), err::kDuplicateSpec, 0x8004F003u,
       "Automation error"},
      {VbError::FromHResult(err::kSpecNotHeld, "not held"), err::kSpecNotHeld, 0x8004F001u,
       "not held"},
      {VbError::FromHResult(err::kComponentF002), err::kComponentF002, 0x8004F002u,
       "Automation error"},
      {VbError(err::kDuplicateSpec, "Duplicated trace names."), err::kDuplicateSpec, 0x8004F003u,
       "Duplicated trace names."},
      {VbError::FromHResult(err::kE_FAIL), err::kE_FAIL, 0x80004005u, "Automation error"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.error.number(), c.number);
    EXPECT_EQ(static_cast<std::uint32_t>(c.error.hresult()), c.hresult);
    EXPECT_EQ(c.error.description(), c.description);
    EXPECT_STREQ(c.error.what(), c.description.c_str());
  }
}

TEST(PlatformVbError, RaiseCarriesSourceAndDescription) {
  try {
    Raise(err::kDuplicateSpec, "ZaltAddQuerySpec", "Duplicated trace names.");
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), err::kDuplicateSpec);
    EXPECT_EQ(e.source(), "ZaltAddQuerySpec");
    EXPECT_EQ(e.description(), "Duplicated trace names.");
  }
  try {
    RaiseHResult(static_cast<HRESULT>(0x800A0009u), "Items");
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 9);
    EXPECT_EQ(e.source(), "Items");
    EXPECT_EQ(e.description(), "Subscript out of range");
  }
}

template <class Thrower>
VbError Caught(Thrower thrower) {
  try {
    thrower();
  } catch (...) {
    return CurrentError();
  }
  return VbError(0);
}

TEST(PlatformVbError, CurrentErrorConvertsTheExceptionInFlight) {
  const VbError own = Caught([] { Raise(75, "Open"); });
  EXPECT_EQ(own.number(), 75);
  EXPECT_EQ(own.source(), "Open");
  EXPECT_EQ(Caught([] { throw std::bad_alloc(); }).number(), 7);
  const VbError std = Caught([] { throw std::runtime_error("boom"); });
  EXPECT_EQ(std.number(), 51);
  EXPECT_NE(std.description().find("boom"), std::string::npos);
  EXPECT_EQ(Caught([] { throw 42; }).number(), 51);
}

TEST(PlatformObject, DefaultsRaiseTheRuntimeErrors) {
  PlainObject plain;
  std::vector<Variant> args{1};
  EXPECT_EQ(RaisedNumber([&] { plain.Invoke("Anything", InvokeKind::Method, args); }), 438);
  EXPECT_EQ(RaisedNumber([] { RaiseObjectNotSet(); }), 91);
  std::shared_ptr<PlainObject> none;
  EXPECT_EQ(RaisedNumber([&] { Deref(none); }), 91);
  auto some = std::make_shared<PlainObject>();
  EXPECT_EQ(&Deref(some), some.get());
}

}  // namespace
}  // namespace velkor
