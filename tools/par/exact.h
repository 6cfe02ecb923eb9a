// The exact base game's sheet: the distribution of every stop of the five
// reels under a payout setting, with its bands and top awards.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "rules/base_game.h"

namespace quov::par {

struct WinBand {
  std::string label;     // in total bets: "0", "(0,1)", "[1,2)", ...
  double probability = 0;
};
struct TopAward {
  double totalBets = 0;      // the win in total bets
  std::uint64_t count = 0;   // outcomes paying it
  double oneIn = 0;          // odds per kept spin
};

// One setting's sheet, the figures of baseReturn with the spread of the win.
struct ExactSheet {
  int lines = 0, payout = 1;
  double rtp = 0, lineRtp = 0, scatterRtp = 0;  // per total bet
  std::string rtpFraction;                     // the return as an exact fraction
  double hitFrequency = 0, stdev = 0, triggerProbability = 0;
  std::vector<WinBand> distribution;
  std::vector<TopAward> topAwards;
};
ExactSheet exactSheet(const ExactCounts& counts, int payout);

// What the exact figure leaves out, printed with it.
inline constexpr const char* kExactNote =
    "the exact figure takes every spin as drawn afresh; in the game a wild landed in the last "
    "free spin of a series holds its reel into the next ordinary spin, which raises the base "
    "return (at 25 lines by about 0.006 with payout 1 and 0.001 with payout 3 or 4), and with "
    "payout 3 or 4 a voided outcome's run lengths stay on the lines for its replacement, which "
    "leaves some lotus pairs unpaid and lowers it by about 0.0006; the simulation plays both";

}  // namespace quov::par
