#include <gtest/gtest.h>

#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"
#include "standins/FaultPoints.h"
#include "unit/platform/RaisedNumber.h"
#include "unit/trend/SandboxedServices.h"

namespace velkor::sim {
namespace {

using platform_test::RaisedNumber;

class FaultPointsTest : public ::testing::Test {
 protected:
  void TearDown() override { ClearFaults(); }

  // How each of `calls` calls of `point` ends: 0 for success, else the error.
  std::vector<std::int32_t> Calls(std::string_view point, int calls) {
    std::vector<std::int32_t> outcomes;
    for (int i = 0; i < calls; ++i) outcomes.push_back(RaisedNumber([&] { ThrowIfArmed(point); }));
    return outcomes;
  }
};

TEST_F(FaultPointsTest, FailsCountCallsAfterThoseThatSucceed) {
  ArmFault("Worksheets.Add", err::kAppDefined, 2, 1);
  EXPECT_EQ(Calls("Worksheets.Add", 5),
            (std::vector<std::int32_t>{0, err::kAppDefined, err::kAppDefined, 0, 0}));
  EXPECT_EQ(Calls("OLEObjects.Add", 1), (std::vector<std::int32_t>{0}));
}

TEST_F(FaultPointsTest, KeepsAnHResultAndReplacesAnEarlierArming) {
  ArmFault("ArchiveData.AddQuerySpec", err::kAppDefined, 3);
  ArmFault("ArchiveData.AddQuerySpec", err::kDuplicateSpec);
  EXPECT_EQ(Calls("ArchiveData.AddQuerySpec", 2),
            (std::vector<std::int32_t>{err::kDuplicateSpec, 0}));
}

TEST_F(FaultPointsTest, RefusesUnknownPointsAndEveryKnownOneIsArmable) {
  EXPECT_EQ(RaisedNumber([] { ArmFault("Worksheets.Delete", 1004); }), err::kInvalidProcedureCall);
  EXPECT_FALSE(IsKnownFaultPoint("worksheets.add"));
  for (std::string_view point : KnownFaultPoints()) {
    ArmFault(point, err::kAppDefined);
    EXPECT_EQ(Calls(point, 1), (std::vector<std::int32_t>{err::kAppDefined})) << point;
  }
}

TEST_F(FaultPointsTest, ANewHostSessionStartsWithoutFaults) {
  ArmFault("Application.Run", err::kAppDefined);
  test::SandboxedServices services;
  EXPECT_EQ(Calls("Application.Run", 1), (std::vector<std::int32_t>{0}));
}

}  // namespace
}  // namespace velkor::sim
