#include "engine/rules/paytable.h"

#include "engine/rules/checked.h"

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

std::int32_t evaluateLines(const MatchValues& match, int linesplayed, int betperline,
                           LineArray& winline, LineArray& winlength) {
  LineWins w = lineWins(match.faces(), firstLines(linesplayed));
  if (w.runs[0] != 0) {
    LineMask longer = 0;
    forEachLine(w.runs[0], [&](int line) {
      if (winlength[line] > 2) longer |= lineBit(line);
    });
    payPairs(w, longer);
  }
  const LineMask three = w.runs[1] | w.runs[2] | w.runs[3], four = w.runs[2] | w.runs[3];
  forEachLine(w.paid(), [&](int line) {
    const LineMask bit = lineBit(line);
    winline[line] = static_cast<std::int16_t>(line);
    winlength[line] = static_cast<std::int16_t>(2 + ((three & bit) != 0) + ((four & bit) != 0) +
                                                ((w.runs[3] & bit) != 0));
  });
  // At most 25 lines of 1500 times a 16-bit bet per line: no sum of line
  // pays leaves the 32-bit range.
  std::int32_t win = 0;
  add(win, static_cast<long long>(w.pays) * betperline);
  return win;
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
