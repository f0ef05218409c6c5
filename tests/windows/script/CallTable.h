// CallTable: a list of late-bound calls on one object, run two ways so that
// their results can be compared line by line: as a VBScript program through
// the platform's script engine and COM, and in process through the object's
// own Invoke.
//
// One call per line; '#' starts a comment line:
//   get  Member                 v = o.Member
//   let  Member value           o.Member = value
//   call Member arg, , @arg     o.Member arg, , a2        (a statement)
//   fn   Member arg             v = o.Member(arg)
// An argument is a literal: "text" ("" for a quote inside), a whole number,
// a decimal number with a point, True, False, Null, Empty or Nothing. An
// empty place between commas omits an optional argument. '@' before a
// literal passes it in a variable, by reference, and prints the variable
// after the call.
//
// Each call prints one line: the call's text, " -> ", then the value
// ("String abc", "Boolean True", "Empty", "Null", "Nothing", the type name of
// an object) or "error N | source | description"; then " ; @k Type text" for
// each variable passed by reference.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Object.h"

namespace velkor::script_test {

struct CallArg {
  bool omitted = false;
  bool byRef = false;
  std::string literal;  // as written in the table and in VBScript
};

struct Call {
  enum class Op { Get, Let, Statement, Function };
  std::string text;  // the line as written, the label of its result
  Op op = Op::Get;
  std::string member;
  std::vector<CallArg> args;
};

// Raises std::invalid_argument naming the line for text it cannot read.
std::vector<Call> ParseCallTable(std::string_view table);

// A VBScript program that creates `progId` and makes every call.
std::string ToVbScript(const std::vector<Call>& calls, std::string_view progId);

// Makes every call on `target` through Object::Invoke and prints as the
// VBScript program does. `defaultSource` is the source an error gets
// when it leaves the object without one.
std::vector<std::string> RunInProcess(const std::vector<Call>& calls, Object& target,
                                      std::string_view defaultSource);

// The value of a literal of the table.
Variant ParseLiteral(std::string_view literal);

}  // namespace velkor::script_test
