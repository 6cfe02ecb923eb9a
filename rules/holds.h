// Held reels. A wild that lands on reel 2, 3 or 4 in a free spin holds its
// reel, wild and all, for exactly the next spin: the reel keeps its stop and
// does not move. The settlement clears every hold in an ordinary spin and
// when it voids a free spin; a kept free spin releases the reels it held. A
// wild landed in the last spin of a series is still flagged when the next
// ordinary spin draws its reels, so that reel keeps its stop once more
// before the settlement clears the flag.
#pragma once

#include <array>

#include "rules/reels.h"

namespace quov {

struct Holds {
  std::array<bool, kReels + 1> wild{};  // reelNwild: the reel showed its wild
  std::array<bool, kReels + 1> held{};  // reelNheld: the reel kept its stop this spin
};

inline constexpr bool canHold(int reel) { return reel >= 2 && reel <= 4; }

// Drawing reel `reel`: whether it keeps its stop (and is held this spin)
// instead of drawing a new one.
inline bool keepsStop(Holds& h, int reel) {
  if (!canHold(reel) || !h.wild[reel]) return false;
  h.held[reel] = true;
  return true;
}
// Notes whether the reel showed its wild in this drawing.
inline void noteWild(Holds& h, int reel, bool shown) {
  if (canHold(reel)) h.wild[reel] |= shown;
}
inline bool anyHeld(const Holds& h) { return h.held[2] || h.held[3] || h.held[4]; }
// Whether any reel will keep its stop in the next drawing.
inline bool anyFlagged(const Holds& h) { return h.wild[2] | h.wild[3] | h.wild[4]; }
// An ordinary spin's settlement, or a voided free spin: no reel holds.
inline void clearHolds(Holds& h) { h = Holds{}; }
// After a kept free spin: the reels it held are free again; a wild that
// landed fresh in it holds its reel for the next spin.
inline void releaseHeld(Holds& h) {
  for (int r = 2; r <= 4; ++r) {
    if (h.held[r]) h.wild[r] = false;
    h.held[r] = false;
  }
}

}  // namespace quov
