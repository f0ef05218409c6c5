// The keys of an "expect" step. Each given key is checked against the state
// of the session; a key is checked when the file is read for its form, and
// when the step runs for its content.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "standins/host/VariantJson.h"
#include "tools/scenario/ScenarioSteps.h"

namespace velkor::sim::scenario {

struct ExpectKey {
  std::string_view name;
  // Throws FileFormatError at the faulty part of `expected` (at `path`).
  std::function<void(const Json& expected, const std::string& path)> check;
  std::function<void(ScenarioSession& session, const Json& expected, StepOutcome& out)> run;
};

// messages, log, macros, objects, geometry, cells, activeSheet, traceInfo.
std::span<const ExpectKey> HostExpectKeys();
// chart, `specs` (query specifications), series, timeRange.
std::span<const ExpectKey> ComponentExpectKeys();

// Checks that `json` is an object whose values are objects, lists or texts as
// `form` says ("object", "array", "string"); for the keyed checks.
void CheckEachMember(const Json& json, const std::string& path, std::string_view form);

}  // namespace velkor::sim::scenario
