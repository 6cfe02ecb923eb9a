// A whole spin press without the screen: the order in which the spin cycle
// applies the rules, from the jackpot draw to the end of the free-spin
// series the press may start, for a player who plays on under autoplay
// (a series is collected as soon as it ends, nothing is gambled). The
// machine's handlers apply the same rules a timer tick at a time; this plays
// them straight through and takes the same draws in the same order.
#pragma once

#include <array>
#include <cstdint>

#include "rules/checked.h"
#include "rules/free_spins.h"
#include "rules/holds.h"
#include "rules/jackpot.h"
#include "rules/paytable.h"
#include "rules/reels.h"
#include "rules/throttle.h"

namespace quov {

struct PressSetting {
  int machinepay = 4;
  int lines = 25;
  int betperline = 1;
  bool growingMeters = false;  // false: the meters stay at their floors
  int totalBet() const { return lines * betperline; }
};

// What one press leaves for the next.
struct PlayState {
  Holds holds;  // a wild landed in the last spin of a series holds its reel once more
  std::array<int, kReels + 1> stops{0, 1, 1, 1, 1, 1};
  Meters meters;
};

struct PressResult {
  std::int32_t stake = 0;    // the total bet taken; none for jackpot time
  std::int32_t base = 0;     // the win of the ordinary spin that stood, cents
  std::int64_t free = 0;     // the wins of the free spins of the series it started
  JackpotWin jackpot;        // jackpot time's prize, when the press started it
  bool jackpotTime = false;
  int voids = 0;             // outcomes the throttle replaced, ordinary and free
  int awards = 0;            // free-spin awards: the start of a series and its retriggers
  int freeSpins = 0;         // free spins that stood
  std::array<int, kFreeSpinMultipliers.size()> byMultiplier{};  // of those, paid x1, x2, ...
};

// One drawing and its evaluation: reels 1 to 5 drawn in turn, a reel that
// holds keeping its stop (only reels 2 to 4 can); the scatter and line pays.
struct DrawnSpin {
  Faces faces{};
  int scatters = 0;
  std::int32_t win = 0;  // cents
};

// Draws the stops: reels 1 to 5 in turn, a reel that holds keeping its
// stop. A source that offers allStops draws all five in one go when no reel
// holds, which gives every stop the same chances.
template <class Draw>
[[gnu::always_inline]] inline void drawStops(PlayState& st, Draw& draw) {
  if constexpr (requires { draw.allStops(st.stops); }) {
    if (!anyFlagged(st.holds)) {
      draw.allStops(st.stops);
      return;
    }
  }
  st.stops[1] = draw(kStops);
  for (int r = 2; r <= 4; ++r)
    if (!keepsStop(st.holds, r)) st.stops[r] = draw(kStops);
  st.stops[5] = draw(kStops);
}

template <class Draw>
[[gnu::always_inline]] inline DrawnSpin drawSpin(const PressSetting& s, PlayState& st, WinLengths& lengths,
                                                Draw& draw) {
  DrawnSpin spin;
  drawStops(st, draw);
  for (int r = 1; r <= kReels; ++r) spin.faces[r - 1] = &reelFace(r, st.stops[r]);
  noteWild(st.holds, 2, spin.faces[1]->wilds != 0);
  noteWild(st.holds, 3, spin.faces[2]->wilds != 0);
  noteWild(st.holds, 4, spin.faces[3]->wilds != 0);
  spin.scatters = scattersShown(spin.faces);
  const LineWins lines = payLines(spin.faces, s.lines, lengths);
  spin.win = scatterMultiple(spin.scatters) * s.totalBet() + lines.pays * s.betperline;
  return spin;
}

// The ordinary spin of a press: drawn, and drawn again while the payout
// throttle voids it. Returns the spin that stood; `lengths` keeps the run
// lengths every drawing left on the lines.
template <class Draw>
[[gnu::always_inline]] inline DrawnSpin playOrdinarySpin(const PressSetting& s, PlayState& st,
                                                         WinLengths& lengths, PressResult& out,
                                                         Draw& draw) {
  DrawnSpin spin;
  for (;;) {
    spin = drawSpin(s, st, lengths, draw);
    clearHolds(st.holds);
    if (!throttleDraws(SpinKind::Ordinary, s.machinepay) ||
        outcomeStands(SpinKind::Ordinary, draw(s.machinepay), false, spin.win))
      break;
    ++out.voids;
  }
  if (s.growingMeters) stepMeters(st.meters);
  out.base = spin.win;
  return spin;
}

// The free-spin series an ordinary spin showing `scatters` awarded, played to
// its end.
template <class Draw>
void playSeries(const PressSetting& s, PlayState& st, WinLengths& lengths, Series& series, int scatters,
                PressResult& out, Draw& draw) {
  ++out.awards;
  seriesStep(series, scatters);  // counts the awarding spin; it never ends the series
  bool complete = false;
  while (!complete) {
    DrawnSpin spin;
    std::int32_t win = 0;
    std::int16_t mult = 1;
    for (;;) {
      spin = drawSpin(s, st, lengths, draw);
      const bool wild = wildInWin(lengths, wildLinesOf(spin.faces), s.lines);
      mult = freeSpinMultiplier(draw(kMultiplierDraws), wild);
      win = spin.win;
      mul(win, mult);
      if (!throttleDraws(SpinKind::Free, s.machinepay) ||
          outcomeStands(SpinKind::Free, draw(s.machinepay), anyHeld(st.holds), win))
        break;
      clearHolds(st.holds);
      ++out.voids;
    }
    if (s.growingMeters) stepMeters(st.meters);
    out.free += win;
    ++out.freeSpins;
    for (std::size_t i = 0; i < kFreeSpinMultipliers.size(); ++i)
      if (kFreeSpinMultipliers[i] == mult) ++out.byMultiplier[i];
    releaseHeld(st.holds);
    if (awardFreeSpins(series, spin.scatters)) ++out.awards;
    complete = seriesStep(series, spin.scatters);
  }
}

template <class Draw>
PressResult playPress(const PressSetting& s, PlayState& st, Draw& draw) {
  PressResult out;
  if (startsJackpotTime(draw(kJackpotOdds))) {
    out.jackpotTime = true;
    draw(kBoardCells);  // the cell the ball starts its run after
    out.jackpot = jackpotWin(draw(kBoardCells), s.totalBet(), st.meters);
    if (s.growingMeters) emptyMeter(st.meters, out.jackpot.emptied);
    return out;
  }
  out.stake = s.totalBet();
  WinLengths lengths;  // the press clears every line's run length, and only the press
  const DrawnSpin spin = playOrdinarySpin(s, st, lengths, out, draw);
  Series series;
  if (awardFreeSpins(series, spin.scatters)) playSeries(s, st, lengths, series, spin.scatters, out, draw);
  return out;
}

}  // namespace quov
