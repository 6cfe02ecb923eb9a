// The pay table and the evaluation of an outcome: line pays as multiples of
// the bet per line, scatter pays as multiples of the total bet, and the
// win-size table that sets the autoplay pause and the band whose clip sounds.
#pragma once

#include <cstdint>

#include "engine/rules/reels.h"

namespace quov {

// Length of the left-aligned run a match value stands for (2..5), or 0 when
// the value pays nothing. Runs of 2 pay for the lotus only.
int runLength(int matchValue, Symbol s);

// Pay of a run of `length` of `s`, as a multiple of the bet per line; 0 none.
int linePay(Symbol s, int length);

// Pay of `scattercount` scatters as a multiple of the total bet.
int scatterMultiple(int scattercount);

// Line pays of lines 1..linesplayed in cents. Sets winline(line) = line and
// winlength(line) = n for every paying line. `winlength` carries the lengths
// of earlier spins of a free-spin series: a lotus pair pays only on a line
// whose winlength is at most 2 at that moment.
std::int32_t evaluateLines(const MatchValues& match, int linesplayed, int betperline,
                           LineArray& winline, LineArray& winlength);

// The win-size bands, smallest first: band 0 is no win, the last band every
// win above 2000 cents. Each band has its own pause and its own win clip.
inline constexpr int kWinBands = 16;
struct WinSize {
  std::int16_t autopause;  // tmrtick ticks autoplay waits after the spin
  int band;                // 0 (no win) .. kWinBands - 1
};
WinSize winSize(std::int32_t spinwin);

}  // namespace quov
