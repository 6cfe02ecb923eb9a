// The ordinary spin's exact distribution: every one of the 22^5 equally
// likely stops of the five reels evaluated for each number of lines, and
// what the payout throttle makes of it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "rules/bets.h"

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

// The standard deviation of what a spin that stands under payout setting m
// wins, in total bets.
double baseSpread(const ExactCounts& counts, int machinepay);

// The sizes of an ordinary spin's win in multiples of the total bet, as
// the PAR sheet gives them: no win, then [from, to) total bets.
struct WinBandLimits {
  const char* label;
  std::uint64_t from, to;
};
inline constexpr std::uint64_t kNoBandEnd = ~std::uint64_t{0} / 1024;
inline constexpr std::array<WinBandLimits, 9> kBetMultipleBands = {{{"0", 0, 0},
                                                            {"(0,1)", 0, 1},
                                                            {"[1,2)", 1, 2},
                                                            {"[2,5)", 2, 5},
                                                            {"[5,10)", 5, 10},
                                                            {"[10,20)", 10, 20},
                                                            {"[20,50)", 20, 50},
                                                            {"[50,100)", 50, 100},
                                                            {"[100,inf)", 100, kNoBandEnd}}};
// The band of a win against the total bet (both in the same unit, cents or
// bets per line); 0 for no win.
std::size_t betMultipleBand(std::uint64_t win, std::uint64_t totalBet);
// How often a spin that stands under payout setting m lands in each band.
std::array<double, kBetMultipleBands.size()> betMultipleChances(const ExactCounts& counts, int machinepay);

}  // namespace quov
