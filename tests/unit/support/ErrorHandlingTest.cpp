#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/ErrorNumbers.h"
#include "platform/os/OsServices.h"
#include "standins/SimServices.h"
#include "support/ErrorHandling.h"

namespace velkor {
namespace {

class ErrorHandling : public ::testing::Test {
 protected:
  void SetUp() override {
    sim_ = sim::InstallSimServices({.languageLibraries = false, .dataDir = std::nullopt});
  }
  sim::SimServices sim_;
};

TEST_F(ErrorHandling, ACompletedBodyReportsNothing) {
  int runs = 0;
  EXPECT_TRUE(RunReported("InsertTrend", [&] { ++runs; }));
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(sim_.log->Lines().empty());
}

TEST_F(ErrorHandling, AFailureIsReportedUnderTheOperationsNameWithSectionZero) {
  bool finished = false;
  EXPECT_FALSE(RunReported(" ETW_ZaltAddQuerySpec", [&] {
    Raise(err::kTypeMismatch, "", "Type mismatch");
    finished = true;
  }));
  EXPECT_FALSE(finished);
  EXPECT_EQ(sim_.log->Lines(),
            std::vector<std::string>{
                "Zalt-KX-TrendWizard>Error 13: Type mismatch in  ETW_ZaltAddQuerySpec"});
}

TEST_F(ErrorHandling, AnExceptionOfAnotherKindIsReportedAsAnInternalError) {
  EXPECT_FALSE(RunReported("QueryData", [] { throw std::runtime_error("boom"); }));
  ASSERT_EQ(sim_.log->Lines().size(), 1u);
  EXPECT_EQ(sim_.log->Lines()[0].rfind("Zalt-KX-TrendWizard>Error 51: ", 0), 0u);
}

TEST_F(ErrorHandling, OnErrorDecidesWhichErrorsAreReported) {
  std::vector<std::int32_t> seen;
  auto expectOnly1004 = [&](const VbError& e) {
    seen.push_back(e.number());
    return e.number() == err::kAppDefined;
  };
  EXPECT_FALSE(RunReported(
      "InsertControl", [] { Raise(err::kAppDefined); }, expectOnly1004));
  EXPECT_FALSE(RunReported(
      "InsertControl", [] { Raise(err::kNoSupport, "", "x"); }, expectOnly1004));
  EXPECT_TRUE(RunReported(
      "InsertControl", [] {}, expectOnly1004));

  EXPECT_EQ(seen, (std::vector<std::int32_t>{err::kAppDefined, err::kNoSupport}));
  EXPECT_EQ(sim_.log->Lines(),
            std::vector<std::string>{"Zalt-KX-TrendWizard>Error 438: x in InsertControl"});
}

TEST_F(ErrorHandling, AFailingReporterPassesItsErrorToTheCaller) {
  os::OsServices().log.reset();
  EXPECT_THROW(RunReported("ReadXML", [] { Raise(err::kTypeMismatch); }), VbError);
}

TEST_F(ErrorHandling, TryStepSkipsAFailingStatementAndKeepsTheOldValue) {
  std::string value = "old";
  EXPECT_FALSE(TryStep([&] {
    auto fresh = std::string("new");
    Raise(err::kObjectNotSet);
    value = fresh;
  }));
  EXPECT_EQ(value, "old");
  EXPECT_TRUE(TryStep([&] { value = "new"; }));
  EXPECT_EQ(value, "new");
  EXPECT_TRUE(sim_.log->Lines().empty());
}

}  // namespace
}  // namespace velkor
