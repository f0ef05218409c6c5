// Checks that work grows in proportion to its input, by CPU time rather than
// wall time so that other processes on the machine disturb it little.
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
// and the allocator; quadratic work would take 64 times as long.
inline void ExpectLinear(const std::function<void(int)>& work, int n) {
  const double small = std::max(CpuSeconds([&] { work(n); }), 1e-3);
  const double large = CpuSeconds([&] { work(8 * n); });
  EXPECT_LT(large / small, 24.0) << "n=" << n << ": " << small << " s, 8n: " << large << " s";
}

}  // namespace velkor::test
