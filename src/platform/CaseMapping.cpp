#include <array>

#include "platform/Utf8.h"

namespace velkor::utf8 {

namespace {

// Code points first..last map by adding delta; with `alternate` only every
// other one does (the letter pairs of the extended Latin and Cyrillic blocks).
struct Rule {
  char32_t first;
  char32_t last;
  int delta;
  bool alternate = false;
};

constexpr std::array kToUpper{
    Rule{0x61, 0x7A, -32},        Rule{0xE0, 0xF6, -32},        Rule{0xF8, 0xFE, -32},
    Rule{0xFF, 0xFF, 121},        Rule{0x101, 0x12F, -1, true}, Rule{0x131, 0x131, -232},
    Rule{0x133, 0x137, -1, true}, Rule{0x13A, 0x148, -1, true}, Rule{0x14B, 0x177, -1, true},
    Rule{0x17A, 0x17E, -1, true}, Rule{0x17F, 0x17F, -300},     Rule{0x3AC, 0x3AC, -38},
    Rule{0x3AD, 0x3AF, -37},      Rule{0x3B1, 0x3C1, -32},      Rule{0x3C2, 0x3C2, -31},
    Rule{0x3C3, 0x3CB, -32},      Rule{0x3CC, 0x3CC, -64},      Rule{0x3CD, 0x3CE, -63},
    Rule{0x430, 0x44F, -32},      Rule{0x450, 0x45F, -80},      Rule{0x461, 0x481, -1, true},
    Rule{0x48B, 0x4BF, -1, true}, Rule{0x4C2, 0x4CE, -1, true}, Rule{0x4CF, 0x4CF, -15},
    Rule{0x4D1, 0x52F, -1, true},
};

constexpr std::array kToLower{
    Rule{0x41, 0x5A, 32},        Rule{0xC0, 0xD6, 32},        Rule{0xD8, 0xDE, 32},
    Rule{0x100, 0x12E, 1, true}, Rule{0x130, 0x130, -199},    Rule{0x132, 0x136, 1, true},
    Rule{0x139, 0x147, 1, true}, Rule{0x14A, 0x176, 1, true}, Rule{0x178, 0x178, -121},
    Rule{0x179, 0x17D, 1, true}, Rule{0x386, 0x386, 38},      Rule{0x388, 0x38A, 37},
    Rule{0x38C, 0x38C, 64},      Rule{0x38E, 0x38F, 63},      Rule{0x391, 0x3A1, 32},
    Rule{0x3A3, 0x3AB, 32},      Rule{0x400, 0x40F, 80},      Rule{0x410, 0x42F, 32},
    Rule{0x460, 0x480, 1, true}, Rule{0x48A, 0x4BE, 1, true}, Rule{0x4C0, 0x4C0, 15},
    Rule{0x4C1, 0x4CD, 1, true}, Rule{0x4D0, 0x52E, 1, true},
};

template <std::size_t N>
char32_t Apply(const std::array<Rule, N>& rules, char32_t c) {
  for (const Rule& r : rules) {
    if (c < r.first || c > r.last) continue;
    if (r.alternate && (c - r.first) % 2 != 0) return c;
    return static_cast<char32_t>(static_cast<int>(c) + r.delta);
  }
  return c;
}

}  // namespace

char32_t ToUpper(char32_t c) {
  return Apply(kToUpper, c);
}

char32_t ToLower(char32_t c) {
  return Apply(kToLower, c);
}

}  // namespace velkor::utf8
