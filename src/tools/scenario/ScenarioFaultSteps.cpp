// The step that makes the stand-ins fail: {"fault": POINT, "error": N,
// "count": C, "after": A} arms a failure at a named point (FaultPoints.h),
// so that a scenario can show how the control reports a refusing host or a
// failing component.
#include <string>

#include "standins/FaultPoints.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/JsonFields.h"
#include "tools/scenario/ScenarioSession.h"
#include "tools/scenario/ScenarioSteps.h"
#include "tools/scenario/ScenarioValue.h"

namespace velkor::sim::scenario {

namespace {

std::int32_t Counter(const Json& step, const std::string& path, std::string_view key,
                     std::int32_t fallback, std::int32_t least) {
  const Json* value = json::Optional(step, key);
  return value ? json::Long(*value, json::Child(path, key), least) : fallback;
}

void CheckFault(const Json& step, const std::string& path) {
  const std::string at = json::Child(path, "fault");
  if (!IsKnownFaultPoint(json::String(step.at("fault"), at)))
    throw FileFormatError(at, "unknown fault point (docs/scenarios.md lists them)");
  DecodeErrorNumber(json::Required(step, path, "error"), json::Child(path, "error"));
  Counter(step, path, "count", 1, 1);
  Counter(step, path, "after", 0, 0);
}

void RunFault(ScenarioSession&, const Json& step, StepOutcome& out) {
  const std::string point = step.at("fault").get<std::string>();
  const std::int32_t error = DecodeErrorNumber(step.at("error"), "");
  const std::int32_t count = Counter(step, "", "count", 1, 1);
  const std::int32_t after = Counter(step, "", "after", 0, 0);
  ArmFault(point, error, count, after);
  out.summary = "fault " + point + " error " + ShowErrorNumber(error) + " x" +
                std::to_string(count) + (after > 0 ? " after " + std::to_string(after) : "");
}

const Verb kFaultVerbs[] = {
    {"fault", {"error", "count", "after"}, CheckFault, RunFault},
};

}  // namespace

std::span<const Verb> FaultVerbs() {
  return kFaultVerbs;
}

}  // namespace velkor::sim::scenario
