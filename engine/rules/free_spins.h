// Free-spin rules: the award for three or more scatters, the multiplier draw
// and which lines a wild takes part in.
#pragma once

#include <cstdint>

#include "engine/rules/reels.h"

namespace quov {

struct FreeSpinAward {
  std::int16_t given;       // freespinsgiven grows by this
  std::int16_t bonuslevel;  // free spins announced: 10, 15, 20
};
// The award for a scatter count; given 0 when the count awards nothing.
FreeSpinAward freeSpinAward(int scattercount);

struct Multiplier {
  std::int16_t mult;  // 2, 3, 5 or 10
  int badge;          // last badge picture of the multiplier in ImageList2
};
// The multiplier for a draw d of 1..25.
Multiplier multiplierForDraw(int d);
// The odds of the draw: d is uniform over 1..kMultiplierDraws.
inline constexpr int kMultiplierDraws = 25;

// Last badge picture of a multiplier (32, 36, 40, 44 for 2, 3, 5, 10); 0
// for a value that has no badge.
int badgeForMultiplier(int mult);

// Whether a paying run of `winlength` on `line` passes through a wild: the
// line's cell on reel 2 (and on 3 and 4 for longer runs) is that reel's wild.
bool lineTouchesWild(int line, int winlength, const ReelArray& wildcell);

}  // namespace quov
