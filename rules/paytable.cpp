#include "rules/paytable.h"


namespace quov {

namespace {

// Match value -> run length; values 15, 25, 35 and 45 are pairs (lotus only).
struct RunTable {
  std::int8_t length[64]{};
  bool pairOnly[64]{};
  constexpr RunTable() {
    for (int v : {15, 25, 35, 45}) {
      length[v] = 2;
      pairOnly[v] = true;
    }
    length[21] = 3;
    length[41] = 3;
    length[31] = 4;
    length[51] = 5;
  }
};
constexpr RunTable kRuns{};

}  // namespace

int runLength(int matchValue, Symbol s) {
  if (matchValue < 0 || matchValue >= 64) return 0;
  if (kRuns.pairOnly[matchValue] && s != Symbol::Lotus) return 0;
  return kRuns.length[matchValue];
}

WinSize winSize(std::int32_t spinwin) {
  // The upper end of each band but the last, and the band's pause.
  struct Band {
    std::int32_t upTo;
    std::int16_t autopause;
  };
  static constexpr Band kBands[kWinBands - 1] = {
      {0, 10},    {10, 10},  {21, 10},  {30, 15},  {40, 15},  {50, 15},  {100, 15}, {120, 20},
      {150, 20},  {200, 20}, {300, 20}, {450, 30}, {600, 10}, {750, 35}, {2000, 35},
  };
  for (int b = 0; b < kWinBands - 1; ++b)
    if (spinwin <= kBands[b].upTo) return {kBands[b].autopause, b};
  return {120, kWinBands - 1};
}

}  // namespace quov
