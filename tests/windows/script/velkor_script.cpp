// velkor_script FILE.vbs: runs a VBScript file through the project's script
// host. What the script prints with Host.Echo goes to standard output; the
// first error the script does not handle goes to standard error, with its
// line, and the exit code is 1 (2 when the file or the engine is missing).
#include <objbase.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "script/ScriptHost.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: velkor_script FILE.vbs\n");
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "velkor_script: cannot read %s\n", argv[1]);
    return 2;
  }
  std::stringstream text;
  text << file.rdbuf();
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  auto run = velkor::script_test::RunVbScript(text.str());
  CoUninitialize();
  for (const auto& line : run.lines) std::printf("%s\n", line.c_str());
  if (!run.started) {
    std::fprintf(stderr, "velkor_script: %s\n", run.setupFailure.c_str());
    return 2;
  }
  if (run.failed) {
    std::fprintf(stderr, "%s: %s\n", argv[1], velkor::script_test::Describe(run.error).c_str());
    return 1;
  }
  return 0;
}
