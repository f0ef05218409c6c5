#include "tools/scenario/ScenarioSteps.h"

#include <algorithm>

#include "platform/VbError.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/JsonFields.h"
#include "standins/host/SimApplication.h"
#include "tools/scenario/ScenarioSession.h"
#include "tools/scenario/ScenarioValue.h"

namespace velkor::sim::scenario {

namespace {

const Verb* FindVerb(std::string_view name) {
  for (auto verbs :
       {HostVerbs(), CallVerbs(), ComponentVerbs(), FaultVerbs(), std::span(&ExpectVerb(), 1)})
    for (const auto& verb : verbs)
      if (verb.name == name) return &verb;
  return nullptr;
}

// The verb is a step's first key; the other keys are its fields.
const Verb& VerbOf(const Json& step) {
  return *FindVerb(step.begin().key());
}

}  // namespace

void CheckStep(const Json& step, const std::string& path) {
  json::Object(step, path);
  if (step.empty()) throw FileFormatError(path, "a step needs a verb");
  const Verb* verb = FindVerb(step.begin().key());
  if (!verb) throw FileFormatError(json::Child(path, step.begin().key()), "unknown verb");
  for (const auto& [key, value] : step.items())
    if (key != verb->name &&
        std::find(verb->fields.begin(), verb->fields.end(), key) == verb->fields.end())
      throw FileFormatError(json::Child(path, key),
                            "not a field of \"" + std::string(verb->name) + "\"");
  verb->check(step, path);
}

StepOutcome RunStep(ScenarioSession& session, const Json& step) {
  const Verb& verb = VerbOf(step);
  StepOutcome out{std::string(verb.name), {}};
  // Objects deleted during the step are released when it is over, as after
  // any outside event of the host.
  SimApplication::DriverScope scope(session.App());
  try {
    verb.run(session, step, out);
  } catch (...) {
    const VbError error = CurrentError();
    out.failures.push_back("unexpected error " + ShowErrorNumber(error.number()) + ": " +
                           error.description());
  }
  return out;
}

void ExpectJson(StepOutcome& out, const std::string& what, const Json& expected,
                const Json& actual) {
  if (!JsonMatches(expected, actual))
    out.failures.push_back(what + ": expected " + expected.dump() + ", actual " + actual.dump());
}

}  // namespace velkor::sim::scenario
