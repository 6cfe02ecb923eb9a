// The pay table and the evaluation of an outcome: line pays as multiples of
// the bet per line, scatter pays as multiples of the total bet, and the
// win-size table that sets the autoplay pause and the band whose clip sounds.
//
// A line pays the left-aligned run of the symbol reel 1 shows on it (reel 1
// has no wild, so no other symbol can run there): reels 1 and 2 make a pair,
// which pays for the lotus only, reels 1 to 3 three of a kind, and so on; a
// wild on reels 2 to 4 stands for every line symbol.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "rules/checked.h"
#include "rules/reels.h"

namespace quov {

// Length of the left-aligned run a match value stands for (2..5), or 0 when
// the value pays nothing. Runs of 2 pay for the lotus only.
int runLength(int matchValue, Symbol s);

// The pay table: pays of runs of 2, 3, 4 and 5 by line symbol, as
// multiples of the bet per line.
inline constexpr std::array<std::array<int, 4>, kLineSymbols> kPayTable = {{
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
}};

// Pay of a run of `length` of `s`, as a multiple of the bet per line; 0 none.
constexpr int linePay(Symbol s, int length) {
  if (!isLineSymbol(s) || length < 2 || length > 5) return 0;
  return kPayTable[static_cast<std::size_t>(s)][static_cast<std::size_t>(length - 2)];
}

// Pay of `scattercount` scatters as a multiple of the total bet.
inline constexpr std::array<int, 6> kScatterMultiples = {0, 0, 1, 5, 10, 20};
inline int scatterMultiple(int scattercount) {
  return scattercount >= 0 && scattercount <= 5
             ? kScatterMultiples[static_cast<std::size_t>(scattercount)]
             : 0;
}

// The paying runs of one evaluation. Of the runs of two, only the lotus
// pays.
struct LineWins {
  std::int32_t pays = 0;  // multiples of the bet per line
  // Lines whose run is 2, 3, 4 and 5 long. Lotus pairs stand in runs[0]
  // until payPairs has settled them; after it, only those that paid.
  std::array<LineMask, 4> runs{};
  LineMask paid() const { return runs[0] | runs[1] | runs[2] | runs[3]; }
};

// Adds the runs of three or more of symbol `s`, shown by reel 1 on the lines
// `reach2`, given where they go on: reach2 the lines on which reels 1 and 2
// carry it, reach3 those on which reels 1 to 3 do, and so on.
inline void addRuns(LineWins& w, Symbol s, LineMask reach3, LineMask reach4, LineMask reach5) {
  // Branches only where they are taken rarely: a mispredicted branch costs
  // more than the work it would skip.
  const auto& pays = kPayTable[static_cast<std::size_t>(s)];
  if (reach3 == 0) return;  // nine times in ten
  const LineMask three = reach3 & ~reach4;
  w.runs[1] |= three;
  w.pays += pays[1] * lineCount(three);
  if (reach4 == 0) return;
  const LineMask four = reach4 & ~reach5;
  w.runs[2] |= four;
  w.runs[3] |= reach5;
  w.pays += pays[2] * lineCount(four) + pays[3] * lineCount(reach5);
}

// The lotus pairs among the lines `lines` of three faces: reels 1 and 2
// carry the lotus, reel 3 does not. Reel 1 has no wild, so what it carries
// is what it shows. They are only noted in runs[0].
inline LineMask lotusPairs(const ReelFace& f1, const ReelFace& f2, const ReelFace& f3, LineMask lines) {
  constexpr auto k = static_cast<std::size_t>(Symbol::Lotus);
  return f1.carries[k] & f2.carries[k] & ~f3.carries[k] & lines;
}

// The runs of the lines `lines` of five faces, reels 1..5 at f[0..4]; pairs
// are only noted.
[[gnu::always_inline]] inline LineWins lineWins(const ReelFace* const* f, LineMask lines) {
  LineWins w;
  w.runs[0] = lotusPairs(*f[0], *f[1], *f[2], lines);
#pragma GCC unroll 3
  for (const ReelFace::Lead& lead : f[0]->leads) {  // a lead not shown has no lines
    const auto k = static_cast<std::size_t>(lead.symbol);
    // Nine times in ten reel 3 ends every run: reels 4 and 5 are read only
    // past that branch (through `f`, so that they are not held in registers
    // on the way), and the lines played are applied there too.
    const LineMask reach3 = lead.lines & f[1]->carries[k] & f[2]->carries[k];
    if (reach3 == 0) continue;
    const LineMask reach4 = reach3 & lines & f[3]->carries[k];
    addRuns(w, lead.symbol, reach3 & lines, reach4, reach4 & f[4]->carries[k]);
  }
  return w;
}

// A lotus pair pays only on a line that holds no longer run from an earlier
// evaluation since the last spin press: within a free-spin series, or in the
// replacement of a voided outcome, a line keeps the length of its last
// paying run. Pays the pairs on other lines and drops the rest.
inline void payPairs(LineWins& w, LineMask longerRunLines) {
  w.runs[0] &= ~longerRunLines;
  w.pays += linePay(Symbol::Lotus, 2) * lineCount(w.runs[0]);
}

// The length of the last paying run of every line since the spin press
// cleared them, as bit masks: runs[k] holds the lines whose run was k + 2.
struct WinLengths {
  std::array<LineMask, 4> runs{};
  LineMask atLeast(int n) const {
    LineMask m = 0;
    for (int k = n < 2 ? 0 : n - 2; k < 4; ++k) m |= runs[k];
    return m;
  }
  // The lines that paid take their new length.
  void record(const LineWins& w) {
    const LineMask paid = w.paid();
    for (int k = 0; k < 4; ++k) runs[k] = (runs[k] & ~paid) | w.runs[k];
  }
};

// One evaluation of the lines 1..lines of five faces, after a spin whose
// lines keep the lengths `lengths`: the runs with the pairs settled, and the
// lengths updated.
[[gnu::always_inline]] inline LineWins payLines(const Faces& f, int lines, WinLengths& lengths) {
  LineWins w = lineWins(f.data(), firstLines(lines));
  // Settled without asking whether there is a pair: a branch on a pair that
  // shows on one drawing in seven is mispredicted more often than the
  // settling costs.
  payPairs(w, lengths.atLeast(3));
  lengths.record(w);
  return w;
}

// Line pays of lines 1..linesplayed in cents. Sets winline(line) = line and
// winlength(line) = n for every paying line. `winlength` carries the lengths
// of earlier evaluations since the spin press: a lotus pair pays only on a
// line whose winlength is at most 2 at that moment.
[[gnu::always_inline]] inline std::int32_t evaluateLines(const MatchValues& match, int linesplayed,
                                                         int betperline, LineArray& winline,
                                                         LineArray& winlength) {
  LineWins w = lineWins(match.face.data() + 1, firstLines(linesplayed));
  if (w.runs[0] != 0) {
    LineMask longer = 0;
    forEachLine(w.runs[0], [&](int line) {
      if (winlength[static_cast<std::size_t>(line)] > 2) longer |= lineBit(line);
    });
    payPairs(w, longer);
  }
  // A paying line's length: 2, and one more for each longer run it makes.
  const LineMask three = w.runs[1] | w.runs[2] | w.runs[3], four = w.runs[2] | w.runs[3];
  forEachLine(w.paid(), [&](int line) {
    const LineMask bit = lineBit(line);
    winline[static_cast<std::size_t>(line)] = static_cast<std::int16_t>(line);
    winlength[static_cast<std::size_t>(line)] = static_cast<std::int16_t>(
        2 + ((three & bit) != 0) + ((four & bit) != 0) + ((w.runs[3] & bit) != 0));
  });
  // At most 25 lines of 1500 times a 16-bit bet per line: no sum of line
  // pays leaves the 32-bit range.
  std::int32_t win = 0;
  add(win, static_cast<long long>(w.pays) * betperline);
  return win;
}

// The win-size bands, smallest first: band 0 is no win, the last band every
// win above 2000 cents. Each band has its own pause and its own win clip.
inline constexpr int kWinBands = 16;
struct WinSize {
  std::int16_t autopause;  // tmrtick ticks autoplay waits after the spin
  int band;                // 0 (no win) .. kWinBands - 1
};
WinSize winSize(std::int32_t spinwin);

}  // namespace quov
