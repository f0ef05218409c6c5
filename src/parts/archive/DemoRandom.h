// A small deterministic random source (SplitMix64) for the demo archive: the
// same seed gives the same numbers with every compiler and standard library,
// which the distributions of <random> do not promise.
#pragma once

#include <cstdint>

namespace velkor::sim {

class DemoRandom {
 public:
  explicit DemoRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  // Uniform in [0, 1).
  double Uniform();
  // Uniform in [-1, 1).
  double Symmetric() { return 2.0 * Uniform() - 1.0; }

 private:
  std::uint64_t state_;
};

}  // namespace velkor::sim
