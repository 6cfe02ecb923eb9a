// The exact base game: every one of the 22^5 equally likely stops of the
// five reels evaluated for each number of lines, and what the payout
// throttle makes of that distribution.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/rules/bets.h"

namespace quov::par {

// One line count's counts over all stops; amounts in multiples of the bet
// per line.
struct ExactCounts {
  int lines = 0;
  std::uint64_t outcomes = 0;    // 22^5
  std::uint64_t lineSum = 0;     // line pays
  std::uint64_t scatterSum = 0;  // scatter pays
  std::uint64_t squareSum = 0;   // squares of the whole win
  std::uint64_t winning = 0;     // outcomes that win anything
  std::uint64_t triggers = 0;    // outcomes with three or more scatters
  std::vector<std::uint64_t> histogram;  // outcomes by whole win
};

// All five line counts, in the order of kLineChoices, in one pass.
std::array<ExactCounts, kLineChoices.size()> enumerateBaseGame();

struct WinBand {
  std::string label;     // in total bets: "0", "(0,1)", "[1,2)", ...
  double probability = 0;
};
struct TopAward {
  double totalBets = 0;      // the win in total bets
  std::uint64_t count = 0;   // outcomes paying it
  double oneIn = 0;          // odds per kept spin
};

// One setting's sheet. With a throttle the outcome that stands is drawn
// again until it stands: a winning outcome stands with probability 1/m, a
// losing one always; every replacement is taken as an independent spin.
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
