// The ordinary spin's exact distribution: every one of the 22^5 equally
// likely stops of the five reels evaluated for each number of lines, and
// what the payout throttle makes of it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/rules/bets.h"

namespace quov {

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
// One line count alone.
ExactCounts enumerateBaseGame(int lines);

// What the ordinary spin that stands returns under payout setting m. A
// winning outcome stands one time in m, a losing one always, and every
// replacement is taken as an independent spin: an outcome's weight among
// those that stand is 1 for a winning one and m for a losing one, out of
// m x losing + winning.
struct BaseReturn {
  std::uint64_t weights = 0;  // m x losing + winning
  double line = 0, scatter = 0, total = 0;  // per total bet
  double hitFrequency = 0;                   // spins that stand and win
  double triggerProbability = 0;             // spins that stand and award free spins
};
BaseReturn baseReturn(const ExactCounts& counts, int machinepay);

}  // namespace quov
