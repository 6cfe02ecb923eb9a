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

// Pays for runs of 2..5, indexed by symbol.
constexpr int kPays[kLineSymbols][4] = {
    /* J      */ {0, 5, 20, 100},
    /* K      */ {0, 15, 50, 175},
    /* Q      */ {0, 10, 20, 100},
    /* lotus  */ {2, 10, 20, 100},
    /* eye    */ {0, 100, 250, 800},
    /* ankh   */ {0, 20, 40, 125},
    /* ring   */ {0, 50, 75, 150},
    /* scarab */ {0, 20, 50, 150},
    /* dog    */ {0, 100, 250, 800},
    /* cobra  */ {0, 300, 600, 1500},
};

constexpr int kScatterMultiple[6] = {0, 0, 1, 5, 10, 20};

}  // namespace

int runLength(int matchValue, Symbol s) {
  if (matchValue < 0 || matchValue >= 64) return 0;
  if (kRuns.pairOnly[matchValue] && s != Symbol::Lotus) return 0;
  return kRuns.length[matchValue];
}

int linePay(Symbol s, int length) {
  if (!isLineSymbol(s) || length < 2 || length > 5) return 0;
  return kPays[static_cast<int>(s)][length - 2];
}

int scatterMultiple(int scattercount) {
  return scattercount >= 0 && scattercount <= 5 ? kScatterMultiple[scattercount] : 0;
}

std::int32_t evaluateLines(const MatchValues& match, int linesplayed, int betperline,
                           LineArray& winline, LineArray& winlength) {
  const int lines = linesplayed < kLines ? linesplayed : kLines;
  std::int32_t win = 0;
  // Reel 1 has no wild and every paying value holds its mark, so only the
  // symbol reel 1 shows on a line can pay there: testing that one symbol
  // gives the same result as testing the symbols in the fixed order.
  for (int line = 1; line <= lines; ++line) {
    const int leading = match.lead[line];
    if (leading == MatchValues::kNoLead) continue;
    const auto s = static_cast<Symbol>(leading);
    const int n = runLength(match.of(s)[line], s);
    if (n == 0) continue;
    if (n == 2 && winlength[line] > 2) continue;  // a longer run of this series holds the line
    add(win, static_cast<long long>(linePay(s, n)) * betperline);
    winline[line] = static_cast<std::int16_t>(line);
    winlength[line] = static_cast<std::int16_t>(n);
  }
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
