#include "tools/par/sheet.h"

#include "rules/bets.h"
#include "rules/gamble.h"
#include "rules/jackpot.h"
#include "rules/throttle.h"

namespace quov::par {

GambleFairness gambleFairness() {
  GambleFairness f;
  const GambleGuess red{false, CardColour::Red, 0};
  const GambleGuess hearts{true, CardColour::Red, kHearts};
  for (int suit = 1; suit <= kSuits; ++suit) {
    f.colourWins += guessWins(red, suit) ? 1.0 / kSuits : 0;
    f.suitWins += guessWins(hearts, suit) ? 1.0 / kSuits : 0;
  }
  f.colourReturn = f.colourWins * guessPays(red);
  f.suitReturn = f.suitWins * guessPays(hearts);
  return f;
}

std::vector<SheetRow> buildSheet(std::uint64_t presses, std::uint64_t seed,
                                 const std::function<void(int, int)>& progress) {
  const auto counts = enumerateBaseGame();
  std::vector<SheetRow> rows;
  for (int payout : kPayoutSettings)
    for (std::size_t l = 0; l < kLineChoices.size(); ++l)
      for (int bet : kBetsPerLine) {
        SheetRow row;
        row.payout = payout;
        row.lines = kLineChoices[l];
        row.betperline = bet;
        row.exact = exactSheet(counts[l], payout);
        row.jackpotAtFloor = jackpotReturnAtFloor(row.totalBet());
        rows.push_back(row);
      }
  const int all = static_cast<int>(rows.size());
  for (int i = 0; i < all; ++i) {
    SheetRow& row = rows[static_cast<std::size_t>(i)];
    SimulationOptions o;
    o.setting = {row.payout, row.lines, row.betperline, true};
    o.presses = presses;
    o.seed = seed + static_cast<std::uint64_t>(i);
    row.simulated = simulate(o);
    if (progress) progress(i + 1, all);
  }
  return rows;
}

}  // namespace quov::par
