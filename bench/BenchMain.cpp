// The benchmarks of following the workbook and of the commands, registered
// size by size so that each size's trend is built once:
//   velkor_bench [--traces=100,1000,10000] [google benchmark flags]
// CI runs it with --traces=10 --benchmark_min_time=0: every benchmark once,
// to keep it building and working, not to judge speed.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Benchmarks.h"
#include "os/linux/SessionMemory.h"

namespace {

std::vector<std::int32_t> ParseSizes(std::string_view list) {
  std::vector<std::int32_t> sizes;
  while (!list.empty()) {
    const auto comma = list.find(',');
    sizes.push_back(std::atoi(std::string(list.substr(0, comma)).c_str()));
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
  }
  return sizes;
}

// Takes --traces=LIST out of the arguments; google benchmark sees the rest.
std::vector<std::int32_t> TakeSizes(int& argc, char** argv) {
  constexpr std::string_view kFlag = "--traces=";
  std::vector<std::int32_t> sizes{100, 1000, 10000};
  int kept = 0;
  for (int i = 0; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.substr(0, kFlag.size()) == kFlag)
      sizes = ParseSizes(arg.substr(kFlag.size()));
    else
      argv[kept++] = argv[i];
  }
  argc = kept;
  return sizes;
}

}  // namespace

// The heap is kept as the velkor command keeps it, so that the events are
// measured as a session pays for them.
int main(int argc, char** argv) {
  velkor::sim::KeepFreedMemory();
  const auto sizes = TakeSizes(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  velkor::bench::RegisterAll(sizes);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
