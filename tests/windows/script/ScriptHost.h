// ScriptHost: runs a VBScript text through the platform's script engine and
// hands back what the script printed and the first script error, if any.
//
// The stock script hosts either show errors in a window or swallow them; a
// test needs the opposite: the run ends at the first error that the script
// does not handle itself, and the error comes back with its number, source,
// description and line. The script prints with `Host.Echo text`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velkor::script_test {

struct ScriptError {
  long number = 0;  // the error's HRESULT-style number as the engine reports it
  std::string source;
  std::string description;
  unsigned long line = 0;  // 1-based
};

struct ScriptRun {
  bool started = false;  // false when the engine could not be created or set up
  std::vector<std::string> lines;
  bool failed = false;  // a script error ended the run
  ScriptError error;
  std::string setupFailure;  // why the run did not start
};

// Runs `source` as VBScript on the calling thread, which must have entered a
// single-threaded apartment. UTF-8 in and out.
ScriptRun RunVbScript(std::string_view source);

// "line 3: error 0x800A005E (Microsoft VBScript runtime error) Invalid use of
// Null", for messages.
std::string Describe(const ScriptError& error);

}  // namespace velkor::script_test
