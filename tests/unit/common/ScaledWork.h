// Checks that work grows in proportion to its input, by CPU time rather than
// wall time (where the platform's clock() gives it) so that other processes
// on the machine disturb it little.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <functional>

namespace velkor::test {

// CPU seconds of the fastest of three runs: the least disturbed one.
inline double CpuSeconds(const std::function<void()>& work) {
  double best = 1e9;
  for (int i = 0; i < 3; ++i) {
    const std::clock_t start = std::clock();
    work();
    best = std::min(best, static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
  }
  return best;
}

// Eight times the input may take eight times as long, with room for caches
// and the allocator; quadratic work would take 64 times as long. A busy
// machine can still slow one measurement down (and on Windows clock() counts
// wall time), so a ratio over the bound is measured again, up to three times:
// noise passes on a later attempt, quadratic work fails every one.
inline void ExpectLinear(const std::function<void(int)>& work, int n) {
  double small = 0, large = 0;
  for (int attempt = 0; attempt < 3; ++attempt) {
    small = std::max(CpuSeconds([&] { work(n); }), 1e-3);
    large = CpuSeconds([&] { work(8 * n); });
    if (large / small < 24.0) return;
  }
  ADD_FAILURE() << "n=" << n << ": " << small << " s, 8n: " << large << " s";
}

}  // namespace velkor::test
