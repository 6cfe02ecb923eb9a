// What each setting returns per total bet staked, as the rules give it: the
// ordinary spin exactly, over every stop of the reels; the free-spin series
// estimated by playing many of them by the rules of a press, with seeded
// draws (a wild held in place and the run lengths a series leaves on the
// lines make each free spin depend on the ones before, so there is no sum
// over stops for them); jackpot time exactly, with the meters at their
// floors. What the jackpots return depends on the meters: grown meters pay
// more than this.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <mutex>
#include <optional>

#include "rules/base_game.h"
#include "rules/bets.h"
#include "rules/throttle.h"

namespace quov {

struct ExpectedReturn {
  double base = 0;       // the ordinary spins that stand, exact
  double free = 0;       // free-spin series, estimated
  double freeError = 0;  // the estimate's standard error
  double jackpot = 0;    // jackpot time with the meters at their floors, exact
  // The standard deviation of a press's return without the jackpots, in
  // total bets: the ordinary spin's part exact, the series' parts (and how
  // they go with the spin that started them) estimated with `free`.
  double spread = 0;
  // How often the spin that stands lands in each win band (kBetMultipleBands).
  std::array<double, kBetMultipleBands.size()> bands{};
  double withoutJackpots() const { return base + free; }
  double withJackpots() const { return base + free + jackpot; }
};

// The mean win of a free-spin series in bets per line, over `series` series
// each started by an ordinary press that awarded it; presses that award
// none are played and passed over, so a series starts from the run lengths
// and held reels a press really leaves.
struct SeriesEstimate {
  std::uint64_t series = 0;
  double meanWin = 0;
  double meanSquare = 0;  // of the win, in bets per line squared
  double meanCross = 0;   // of the win times the win of the spin that started it
  double stdError = 0;
};
SeriesEstimate estimateSeriesWin(int machinepay, int lines, std::uint64_t series,
                                 std::uint64_t seed);

// What one payout setting at one line count returns, its jackpot part left
// at 0: that part depends on the bet and is worked out when asked for.
struct SettingReturn {
  int machinepay = 0;
  int lines = 0;
  ExpectedReturn figures;
};

// Every payout setting at every line count; the bet per line scales what
// the reels pay and leaves their return as it is, and only the jackpots'
// return depends on it. A table made from nothing works out the exact parts
// when it is made (a few tens of milliseconds) and each setting's free-spin
// estimate when it is first asked for (up to a fifth of a second); a table
// made from figures worked out before does no work at all. Safe to use from
// any thread.
class ReturnTable {
 public:
  // A free-spin estimate stops at this standard error of the free part, or
  // after kMostSeries series.
  static constexpr double kFreeErrorGoal = 0.01;
  static constexpr std::uint64_t kFewestSeries = 2000;
  static constexpr std::uint64_t kMostSeries = 60000;
  static constexpr std::uint64_t kSeed = 2026;

  static constexpr std::size_t kSettings = std::size(kPayoutSettings) * kLineChoices.size();
  using Figures = std::array<SettingReturn, kSettings>;

  ReturnTable();
  explicit ReturnTable(const Figures& workedOut);
  ReturnTable(const ReturnTable&) = delete;
  ReturnTable& operator=(const ReturnTable&) = delete;

  // Nothing for a payout setting or line count the game does not offer, or
  // a bet per line below 1 cent.
  std::optional<ExpectedReturn> at(int machinepay, int lines, int betperline) const;
  // Every setting's figures, each estimate worked out now if not yet.
  Figures all() const;

 private:
  struct Entry {
    int machinepay = 0, lines = 0;
    double base = 0, baseSpread = 0;
    double seriesChance = 0;  // that a spin that stands awards a series
    std::array<double, kBetMultipleBands.size()> bands{};
    double seriesPerBet = 0;  // series started per unit of total bet staked
    mutable std::once_flag estimated;
    mutable double free = 0, freeError = 0, spread = 0;
  };
  const Entry& estimated(const Entry& e) const;
  std::array<std::array<Entry, kLineChoices.size()>, std::size(kPayoutSettings)> byPayout_;
};

// A table worked out by this run, made on the first call.
const ReturnTable& returnTable();

}  // namespace quov
