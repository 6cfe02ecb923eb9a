// What a free-spin series needs to go on after the program stopped between
// two of its evaluations (a crash, a kill, the session ending, the window
// closed): its counters and total, the bet it plays with, where the reels
// stand and which of them a wild holds for the next spin, and the run
// lengths left on the lines, which a later free spin's wild may meet. It is
// kept with the player's records whenever it changes, so that the series
// resumes where it stopped and its total reaches the credit exactly once.
#pragma once

#include <array>
#include <cstdint>

#include "rules/free_spins.h"
#include "rules/reels.h"

namespace quov {

struct SeriesRecord {
  // -1 while the series runs; 0 once it is complete and waits for its
  // collect. Outside a series the record is empty (`series.given` 0).
  std::int16_t freespinmode = 0;
  Series series;                // spins given and played, the last award
  std::int32_t freespinwin = 0; // the series total, in the records' `total` already
  std::int32_t spinwin = 0;     // the win of the series' last evaluation
  std::int16_t freespinmult = 1;
  // The bet of the spin that started the series: its free spins play it.
  std::int16_t linesplayed = 0, betlevel = 0;
  std::array<std::int16_t, kReels> stops{};  // reels 1..5 as the last evaluation left them
  std::array<bool, 3> heldWild{};            // reels 2..4: the wild holds the reel next spin
  LineArray winlength{};                     // run lengths on the lines, never cleared in a series
  // The history's record of the spin that started the series; its free
  // spins and collect name it. 0 when the history could not keep it.
  std::int64_t historyId = 0;

  bool active() const { return series.given > 0; }
  friend bool operator==(const SeriesRecord&, const SeriesRecord&) = default;
};

// Whether the values can be a series the machine played: counters in their
// ranges and consistent with the mode, a bet the controls offer, stops on
// the strips, run lengths of 0 to 5 and no negative amounts.
bool plausible(const SeriesRecord& r);

}  // namespace quov
