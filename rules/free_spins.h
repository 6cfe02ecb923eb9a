// Free-spin rules: the award for three or more scatters, the steps of a
// series, the multiplier draw and which lines a wild takes part in.
#pragma once

#include <array>
#include <cstdint>

#include "rules/checked.h"
#include "rules/paytable.h"
#include "rules/reels.h"

namespace quov {

struct FreeSpinAward {
  std::int16_t given;       // freespinsgiven grows by this
  std::int16_t bonuslevel;  // free spins announced: 10, 15, 20
};
// The award for a scatter count; given 0 when the count awards nothing.
constexpr FreeSpinAward freeSpinAward(int scattercount) {
  switch (scattercount) {
    case 3: return {11, 10};
    case 4: return {16, 15};
    case 5: return {21, 20};
    default: return {0, 0};
  }
}

// The counters of a series. `given` counts the evaluations the series runs
// for, `played` those done so far, the one that awarded the series included:
// an award from normal play is followed by exactly the announced number of
// free spins, a retrigger adds 11, 16 or 21.
struct Series {
  std::int16_t given = 0;       // freespinsgiven
  std::int16_t played = 0;      // freespinsplayed
  std::int16_t bonuslevel = 0;  // free spins the last award announced
  friend bool operator==(const Series&, const Series&) = default;
};
// Three or more scatters award free spins, in normal play and in a series:
// grows the counters and returns true; otherwise changes nothing.
inline bool awardFreeSpins(Series& s, int scattercount) {
  const FreeSpinAward award = freeSpinAward(scattercount);
  if (award.given == 0) return false;
  add(s.given, award.given);
  s.bonuslevel = award.bonuslevel;
  return true;
}
// Whether the award's win starts the series total: only when no evaluation
// of the series was counted yet. A retrigger's win is already in it.
inline bool awardStartsTotal(const Series& s) { return s.played == 0; }
// The free spins left, as the series shows them before counting this one.
inline int freeSpinsRemaining(const Series& s) { return s.given - 1 - s.played; }
// The step after every evaluation of a running series: counts it; returns
// whether the series is complete. A spin that awarded free spins never
// completes it.
bool seriesStep(Series& s, int scattercount);

struct Multiplier {
  std::int16_t mult;  // 2, 3, 5 or 10
  int badge;          // last badge picture of the multiplier in ImageList2
};
// The multiplier for a draw d of 1..25.
Multiplier multiplierForDraw(int d);
// Every multiplier a free spin's win can be paid with.
inline constexpr std::array<std::int16_t, 5> kFreeSpinMultipliers = {1, 2, 3, 5, 10};
// The odds of the draw: d is uniform over 1..kMultiplierDraws.
inline constexpr int kMultiplierDraws = 25;

// Last badge picture of a multiplier (32, 36, 40, 44 for 2, 3, 5, 10); 0
// for a value that has no badge.
int badgeForMultiplier(int mult);

// The lines through the wild of reels 2, 3 and 4 (index 0..2).
using WildLines = std::array<LineMask, 3>;
inline WildLines wildLinesOf(const Faces& f) {
  return {f[1]->wildLines, f[2]->wildLines, f[3]->wildLines};
}
// The same from the wild cells of a readout.
WildLines wildLinesOf(const ReelArray& wildcell);

// The lines on which a wild takes part in the win of a free spin.
LineMask linesMeetingWild(const WinLengths& lengths, const WildLines& wilds);
// Whether a wild takes part in the win of a free spin: a line of the played
// ones whose length is 2 meets reel 2's wild, one of 3 reel 2's or reel 3's,
// one of 4 or 5 the wild of reel 2, 3 or 4. The lengths are those left on
// the lines since the spin press, so a run from an earlier free spin counts
// when a wild, for example one held in place, lies on its line now.
bool wildInWin(const WinLengths& lengths, const WildLines& wilds, int lines);

// The multiplier a free spin's win is paid with: the drawn one when a wild
// takes part, otherwise 1.
inline std::int16_t freeSpinMultiplier(int d, bool wildTakesPart) {
  return wildTakesPart ? multiplierForDraw(d).mult : std::int16_t{1};
}

// The same test for the per-line lengths of a readout: the lines 1..lines,
// with winlength(line) and the wild cells of reels 2 to 4.
bool wildInWin(const LineArray& winlength, const ReelArray& wildcell, int lines);

// Whether a paying run of `winlength` on `line` passes through a wild: the
// line's cell on reel 2 (and on 3 and 4 for longer runs) is that reel's wild.
bool lineTouchesWild(int line, int winlength, const ReelArray& wildcell);

}  // namespace quov
