// One drawing of the reels and what became of it, handed from step to step
// of a spin: the reels fill in the stops and what they show, the evaluation
// the paying lines and the win, the settlement the win that stands. The main
// screen keeps a copy of the last one for what reads it after the spin (the
// animations, the line flash, the win meter and the gamble).
#pragma once

#include <array>
#include <cstdint>

#include "rules/reels.h"

namespace quov {

struct SpinOutcome {
  std::array<std::int16_t, kReels + 1> stops{};  // reels 1..5
  Readout readout;          // match values, wild and scatter cells, scatter count
  LineArray winline{};      // winline(line) = line for every line that paid
  // Every line's last paying run since the spin press, this drawing's
  // included: a lotus pair does not pay again on a line that ran longer.
  LineArray winlength{};
  std::int32_t win = 0;     // spinwin: evaluated, then as the settlement left it
};

}  // namespace quov
