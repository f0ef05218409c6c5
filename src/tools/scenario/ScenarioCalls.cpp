// The late-bound steps: a method call, a property put and a property get on
// an OLE object's automation object, through Object::Invoke as a script in
// the host would make them.
#include <optional>

#include "platform/VbError.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/JsonFields.h"
#include "tools/scenario/ScenarioSession.h"
#include "tools/scenario/ScenarioSteps.h"
#include "tools/scenario/ScenarioValue.h"

namespace velkor::sim::scenario {

namespace {

struct Target {
  std::string object;
  std::string member;
};

// "ExcelTrendWizard1.TrendName": the object's name up to the first dot;
// "[Book.xlsx]ExcelTrendWizard1.TrendName": the first dot after the workbook.
std::optional<Target> SplitTarget(const std::string& text) {
  const auto book = text.starts_with('[') ? text.find(']') : 0;
  if (book == std::string::npos) return std::nullopt;
  const auto dot = text.find('.', book);
  if (dot == std::string::npos || dot == 0 || dot + 1 == text.size()) return std::nullopt;
  return Target{text.substr(0, dot), text.substr(dot + 1)};
}

void CheckCallLike(const Json& step, const std::string& path, std::string_view verb) {
  const std::string at = json::Child(path, verb);
  if (!SplitTarget(json::String(step.at(verb), at)))
    throw FileFormatError(at, "expected \"Object.Member\"");
  if (verb == "let") json::Required(step, path, "value");
  for (const char* key : {"expect", "value"})
    if (const Json* v = json::Optional(step, key))
      DecodeScenarioValue(*v, json::Child(path, key), {});
  if (const Json* e = json::Optional(step, "error"))
    DecodeErrorNumber(*e, json::Child(path, "error"));
  for (const char* key : {"args", "byref"})
    if (const Json* list = json::Optional(step, key)) {
      const std::string at = json::Child(path, key);
      for (std::size_t i = 0; i < json::Array(*list, at).size(); ++i)
        DecodeScenarioValue((*list)[i], json::Child(at, i), {});
    }
}

std::vector<Variant> Arguments(ScenarioSession& s, const Json& step) {
  std::vector<Variant> args;
  if (const Json* list = json::Optional(step, "args"))
    for (const auto& arg : *list) args.push_back(DecodeScenarioValue(arg, "", s.Lookup()));
  if (const Json* value = json::Optional(step, "value"))
    args.push_back(DecodeScenarioValue(*value, "", s.Lookup()));
  return args;
}

// A property put of an object is a Set, of anything else a Let.
InvokeKind KindOf(std::string_view verb, const std::vector<Variant>& args) {
  if (verb == "call") return InvokeKind::Method;
  if (verb == "get") return InvokeKind::PropertyGet;
  return !args.empty() && args.back().IsObject() ? InvokeKind::PropertySet
                                                 : InvokeKind::PropertyLet;
}

void CheckError(StepOutcome& out, const Json& step, const std::optional<VbError>& raised) {
  const Json* wanted = json::Optional(step, "error");
  if (!wanted && !raised) return;
  if (!wanted) {
    out.failures.push_back("error: expected none, actual " + ShowErrorNumber(raised->number()) +
                           " (" + raised->description() + ")");
    return;
  }
  const std::int32_t number = DecodeErrorNumber(*wanted, "");
  if (!raised || raised->number() != number)
    out.failures.push_back(
        "error: expected " + ShowErrorNumber(number) + ", actual " +
        (raised ? ShowErrorNumber(raised->number()) + " (" + raised->description() + ")"
                : std::string("none")));
}

void CheckByRef(ScenarioSession& s, StepOutcome& out, const Json& step,
                const std::vector<Variant>& args) {
  const Json* byref = json::Optional(step, "byref");
  if (!byref) return;
  for (std::size_t i = 0; i < byref->size(); ++i) {
    const Variant actual = i < args.size() ? args[i] : Variant::Missing();
    if (!ValueMatches((*byref)[i], actual, s.Lookup()))
      out.failures.push_back("byref " + std::to_string(i) + ": expected " + (*byref)[i].dump() +
                             ", actual " + EncodeScenarioValue(actual).dump());
  }
}

void RunCallLike(ScenarioSession& s, const Json& step, StepOutcome& out, std::string_view verb) {
  const Target target = *SplitTarget(step.at(verb).get<std::string>());
  out.summary = std::string(verb) + " " + target.object + "." + target.member;
  ObjectPtr object = s.Frame(target.object)->Object();
  std::vector<Variant> args = Arguments(s, step);
  std::optional<VbError> raised;
  Variant result;
  try {
    result = object->Invoke(target.member, KindOf(verb, args), args);
  } catch (...) {
    raised = CurrentError();
  }
  CheckError(out, step, raised);
  if (const Json* expect = json::Optional(step, "expect"); expect && !raised) {
    if (!ValueMatches(*expect, result, s.Lookup()))
      out.failures.push_back("result: expected " + expect->dump() + ", actual " +
                             EncodeScenarioValue(result).dump());
  } else if (!raised && verb != "let") {
    out.summary += " = " + EncodeScenarioValue(result).dump();
  }
  CheckByRef(s, out, step, args);
}

template <std::size_t N>
Verb CallLike(const char (&name)[N], std::vector<std::string_view> fields) {
  const std::string_view verb(name, N - 1);
  return Verb{
      verb, std::move(fields),
      [verb](const Json& j, const std::string& p) { CheckCallLike(j, p, verb); },
      [verb](ScenarioSession& s, const Json& j, StepOutcome& o) { RunCallLike(s, j, o, verb); }};
}

const Verb kCallVerbs[] = {
    CallLike("call", {"args", "expect", "error", "byref"}),
    CallLike("let", {"value", "error"}),
    CallLike("get", {"expect", "error", "args"}),
};

}  // namespace

std::span<const Verb> CallVerbs() {
  return kCallVerbs;
}

}  // namespace velkor::sim::scenario
