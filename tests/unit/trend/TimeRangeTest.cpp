#include "trend/TimeRange.h"

#include <gtest/gtest.h>

#include "control/ExcelTrendWizard.h"
#include "control/components/ProgIds.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "unit/control/InvokeHelpers.h"
#include "unit/model/HostModelFixture.h"
#include "unit/trend/OptionFakes.h"
#include "unit/trend/SandboxedServices.h"

namespace velkor {
namespace {

using test::CallMethod;
using test::GetProp;
using test::LetProp;

// How a time reached the data control: its text, or "-" when it was omitted.
std::string Passed(const Variant& time) {
  return time.IsMissing() ? "-" : CStr(time);
}

class TimeRangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    control->m_objZaltArcDC.Assign(dc);
    dc->SetSpecCount(1);
  }
  std::vector<std::string> Reports() const { return services.Reports(); }

  test::SandboxedServices services;
  sim::SimServices& sim_ = services.sim;
  std::shared_ptr<ExcelTrendWizard> control = std::make_shared<ExcelTrendWizard>();
  std::shared_ptr<test::OptionArchiveDC> dc = std::make_shared<test::OptionArchiveDC>();
};

TEST_F(TimeRangeTest, SetTimeRangePassesOnlyTheTimesGiven) {
  const Variant omitted = Variant::Missing();
  struct Case {
    Variant start, end;
    std::string passedStart, passedEnd;
  };
  const Case cases[] = {
      {omitted, omitted, "-", "-"},
      {"*-4h", Variant(), "*-4h", "-"},
      {Variant(), "*", "-", "*"},
      {"*-4h", "*", "*-4h", "*"},
      {"*-4h", omitted, "*-4h", "-"},
      {omitted, "*", "-", "*"},
      // An omitted time is never passed as "", even beside an Empty one.
      {omitted, Variant(), "-", "-"},
      {Variant(), Variant(), "", "-"},
      {std::int32_t{5}, Variant(), "5", "-"},
  };
  for (const auto& c : cases) {
    dc->setCalls.clear();
    std::vector<Variant> args = {false, c.start, c.end};
    CallMethod(*control, "ZaltSetTimeRange", args);
    ASSERT_EQ(dc->setCalls.size(), 1u) << Passed(c.start) << " " << Passed(c.end);
    const auto& call = dc->setCalls[0];
    EXPECT_EQ(Passed(call.start), c.passedStart) << Passed(c.start) << " " << Passed(c.end);
    EXPECT_EQ(Passed(call.end), c.passedEnd) << Passed(c.start) << " " << Passed(c.end);
    EXPECT_TRUE(call.reserved.IsMissing());
  }
  EXPECT_TRUE(Reports().empty());
}

TEST_F(TimeRangeTest, TemporaryIsPassedThroughAndOnlyTheFirstArgumentIsRequired) {
  std::vector<Variant> args = {true};
  CallMethod(*control, "ZaltSetTimeRange", args);
  ASSERT_EQ(dc->setCalls.size(), 1u);
  EXPECT_TRUE(dc->setCalls[0].temporary);
  EXPECT_TRUE(dc->setCalls[0].start.IsMissing());
}

TEST_F(TimeRangeTest, NothingIsSetOrReadWhileTheQueryHoldsNoSpecification) {
  dc->SetSpecCount(0);
  bool temporary = false;
  Variant start = "keep", end = std::int32_t{7};
  ZaltSetTimeRange(*control, temporary, start, end);
  ZaltGetTimeRange(*control, temporary, start, end);
  EXPECT_TRUE(dc->setCalls.empty());
  EXPECT_TRUE(dc->getTemporary.empty());
  EXPECT_EQ(CStr(start), "keep");
  EXPECT_EQ(CLng(end), 7);
  EXPECT_TRUE(Reports().empty());
}

TEST_F(TimeRangeTest, GetTimeRangeFillsTheCallersVariables) {
  dc->rangeStart = "*-2d";
  std::vector<Variant> args = {true, "old", Variant::Missing()};
  CallMethod(*control, "ZaltGetTimeRange", args);
  EXPECT_EQ(CStr(args[1]), "*-2d");
  EXPECT_TRUE(args[2].IsMissing());  // an omitted argument has no caller's variable
  ASSERT_EQ(dc->getTemporary.size(), 1u);
  EXPECT_TRUE(dc->getTemporary[0]);
}

TEST_F(TimeRangeTest, FailuresAreReportedAndTheCallerSeesSuccess) {
  bool temporary = false;
  Variant start = Variant::Null(), end = "*";
  ZaltSetTimeRange(*control, temporary, start, end);  // a Null has no text
  EXPECT_TRUE(dc->setCalls.empty());

  dc->failWith = err::kNoSupport;
  start = "*-1h";
  ZaltSetTimeRange(*control, temporary, start, end);
  ZaltGetTimeRange(*control, temporary, start, end);

  EXPECT_EQ(Reports(), (std::vector<std::string>{"ETW_ZaltSetTimeRange", "ETW_ZaltSetTimeRange",
                                                 "ETW_ZaltGetTimeRange"}));
}

using TimeRangeOnHostTest = test::HostModelFixture;

TEST_F(TimeRangeOnHostTest, WithoutArchiveDataControlOneIsCreatedAndNoTimeIsSet) {
  std::vector<std::shared_ptr<test::OptionArchiveDC>> created;
  registry->Register(component::kArchiveDataProgId, [&] {
    created.push_back(std::make_shared<test::OptionArchiveDC>());
    return created.back();
  });
  auto control = std::make_shared<ExcelTrendWizard>();
  bool temporary = false;
  Variant start = "*-4h", end = "*";
  ZaltSetTimeRange(*control, temporary, start, end);

  ASSERT_EQ(created.size(), 1u);
  EXPECT_EQ(control->m_objZaltArcDC.get(), created[0]);
  EXPECT_TRUE(created[0]->setCalls.empty());
  EXPECT_TRUE(Reports().empty());
}

struct OptionCase {
  const char* member;
  Variant written;
  Variant unset;  // the value read without an archive data control
  const char* letReport;
  const char* getReport;
};

const OptionCase kOptions[] = {
    {"EnableUpdates", true, false, "Property Let EnableUpdates", "Property Get EnableUpdates"},
    {"EnableMarkers", true, false, "Property Let EnableMarkers", "Property Get EnableMarkers"},
    {"ZaltUpdateInterval", std::int32_t{30000}, std::int32_t{0}, " Property Let ZaltUpdateInterval",
     "Property Get ZaltUpdateInterval"},
};

TEST_F(TimeRangeTest, OptionsPassThroughToTheArchiveDataControl) {
  for (const auto& o : kOptions) {
    LetProp(*control, o.member, o.written);
    Variant read = GetProp(*control, o.member);
    EXPECT_EQ(read.TypeName(), o.written.TypeName()) << o.member;
    EXPECT_EQ(CStr(read), CStr(o.written)) << o.member;
  }
  EXPECT_TRUE(dc->updates && dc->markers);
  EXPECT_EQ(dc->interval, 30000);
}

TEST_F(TimeRangeTest, OptionsWithoutArchiveDataControlAreDroppedAndReadAsUnset) {
  control->m_objZaltArcDC.Clear();
  for (const auto& o : kOptions) {
    LetProp(*control, o.member, o.written);
    EXPECT_EQ(CStr(GetProp(*control, o.member)), CStr(o.unset)) << o.member;
  }
  EXPECT_TRUE(Reports().empty());
}

TEST_F(TimeRangeTest, FailingOptionsAreReportedUnderTheirOwnNames) {
  dc->updates = dc->markers = true;
  dc->interval = 5;
  dc->failWith = 70;
  std::vector<std::string> expected;
  for (const auto& o : kOptions) {
    LetProp(*control, o.member, o.written);
    EXPECT_EQ(CStr(GetProp(*control, o.member)), CStr(o.unset)) << o.member;
    expected.insert(expected.end(), {o.letReport, o.getReport});
  }
  EXPECT_EQ(Reports(), expected);
}

}  // namespace
}  // namespace velkor
