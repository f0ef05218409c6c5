// The verbs of scenario steps. Each verb is checked when the file is read
// and run when its turn comes; running yields one readable line and the
// failures of what the step expected.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "standins/host/VariantJson.h"

namespace velkor::sim::scenario {

class ScenarioSession;

struct StepOutcome {
  std::string summary;                // what the step did, in a few words
  std::vector<std::string> failures;  // "expected X, actual Y" lines; empty: the step held
};

struct Verb {
  std::string_view name;
  std::vector<std::string_view> fields;  // the keys a step may have besides the verb
  // Throws FileFormatError at the faulty field of `step` (at `path`).
  std::function<void(const Json& step, const std::string& path)> check;
  std::function<void(ScenarioSession& session, const Json& step, StepOutcome& out)> run;
};

// The verbs of each concern.
std::span<const Verb> HostVerbs();       // open, close, save, activate, insert, edit, ...
std::span<const Verb> CallVerbs();       // call, let, get
std::span<const Verb> ComponentVerbs();  // menu, tagSearch, render
std::span<const Verb> FaultVerbs();      // fault
const Verb& ExpectVerb();                // expect

// Checks a step: an object holding exactly one verb and that verb's fields.
void CheckStep(const Json& step, const std::string& path);
// Runs a checked step. An error the step did not expect is a failure.
StepOutcome RunStep(ScenarioSession& session, const Json& step);

// Adds "what: expected E, actual A" to `out` unless they match.
void ExpectJson(StepOutcome& out, const std::string& what, const Json& expected,
                const Json& actual);

}  // namespace velkor::sim::scenario
