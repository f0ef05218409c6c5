#include "tools/scenario/ScenarioExpect.h"

#include "platform/VbError.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/JsonFields.h"

namespace velkor::sim::scenario {

namespace {

const ExpectKey* FindKey(std::string_view name) {
  for (auto keys : {HostExpectKeys(), ComponentExpectKeys()})
    for (const auto& key : keys)
      if (key.name == name) return &key;
  return nullptr;
}

void CheckExpect(const Json& step, const std::string& path) {
  const std::string at = json::Child(path, "expect");
  for (const auto& [name, expected] : json::Object(step.at("expect"), at).items()) {
    const ExpectKey* key = FindKey(name);
    if (!key) throw FileFormatError(json::Child(at, name), "unknown expect key");
    key->check(expected, json::Child(at, name));
  }
}

void RunExpect(ScenarioSession& session, const Json& step, StepOutcome& out) {
  out.summary = "expect";
  for (const auto& [name, expected] : step.at("expect").items()) {
    out.summary += " " + name;
    // A check that cannot even look (an unknown object) fails alone; the
    // other keys are still checked.
    try {
      FindKey(name)->run(session, expected, out);
    } catch (...) {
      out.failures.push_back(name + ": " + CurrentError().description());
    }
  }
}

const Verb kExpectVerb{"expect", {}, CheckExpect, RunExpect};

}  // namespace

const Verb& ExpectVerb() {
  return kExpectVerb;
}

void CheckEachMember(const Json& json, const std::string& path, std::string_view form) {
  for (const auto& [key, value] : json::Object(json, path).items()) {
    const std::string at = json::Child(path, key);
    if (form == "object") json::Object(value, at);
    if (form == "array") json::Array(value, at);
    if (form == "string") json::String(value, at);
  }
}

}  // namespace velkor::sim::scenario
