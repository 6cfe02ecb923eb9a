// The PAR sheet of every setting: each payout setting, number of lines and
// bet per line, with the exact base game, a simulation of whole presses with
// growing meters, and the jackpot figures the board's rules give exactly.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/par/exact.h"
#include "tools/par/simulate.h"

namespace quov::par {

// The gamble: what a colour and a suit bet return per unit staked.
struct GambleFairness {
  double colourWins = 0, colourReturn = 0;
  double suitWins = 0, suitReturn = 0;
};
GambleFairness gambleFairness();

struct SheetRow {
  int payout = 0, lines = 0, betperline = 0;
  int totalBet() const { return lines * betperline; }
  ExactSheet exact;           // the base game
  double jackpotAtFloor = 0;  // exact
  SimulationResult simulated; // growing meters
};

// Presses simulated per setting, and the seed of the sheet.
inline constexpr std::uint64_t kSheetPresses = 1'000'000;
inline constexpr std::uint64_t kSheetSeed = 2026;

// Every setting, payout settings 4, 3, 1 in turn, then lines, then bet.
// `progress` hears the settings done out of all.
std::vector<SheetRow> buildSheet(std::uint64_t presses, std::uint64_t seed,
                                 const std::function<void(int done, int all)>& progress);

}  // namespace quov::par
