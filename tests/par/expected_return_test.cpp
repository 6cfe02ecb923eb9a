// The returns the options screen shows for each setting: the exact parts
// are the PAR sheet's own figures for every payout setting, line count and
// bet, and the free-spin estimate agrees with the tool's simulation of
// whole presses within the two runs' standard errors.
#include <gtest/gtest.h>

#include <cmath>

#include "rules/base_game.h"
#include "rules/built_return_table.h"
#include "rules/expected_return.h"
#include "rules/jackpot.h"
#include "rules/throttle.h"
#include "tools/par/exact.h"
#include "tools/par/simulate.h"

namespace quov {
namespace {

TEST(ExpectedReturn, ExactPartsAreThePARSheetsForEverySetting) {
  const auto counts = enumerateBaseGame();
  const ReturnTable& table = returnTable();
  for (int payout : kPayoutSettings)
    for (std::size_t l = 0; l < kLineChoices.size(); ++l)
      for (int bet : kBetsPerLine) {
        const int lines = kLineChoices[l];
        SCOPED_TRACE(::testing::Message() << "payout " << payout << ", " << lines << " x " << bet);
        const std::optional<ExpectedReturn> r = table.at(payout, lines, bet);
        ASSERT_TRUE(r);
        EXPECT_DOUBLE_EQ(r->base, par::exactSheet(counts[l], payout).rtp);
        EXPECT_DOUBLE_EQ(r->jackpot, jackpotReturnAtFloor(lines * bet));
        // The bet per line leaves the reels' return as it is.
        EXPECT_DOUBLE_EQ(r->free, table.at(payout, lines, 1)->free);
        EXPECT_GT(r->free, 0);
        EXPECT_LE(r->freeError, ReturnTable::kFreeErrorGoal * 1.5);
      }
  // Settings the game does not offer have no figures.
  EXPECT_FALSE(table.at(2, 25, 1));
  EXPECT_FALSE(table.at(4, 7, 1));
  EXPECT_FALSE(table.at(4, 25, 0));
  // At the smallest stake the jackpots return many times the stake, at the
  // largest a third of it.
  EXPECT_NEAR(table.at(4, 25, 1)->jackpot, 4.81, 0.01);
  EXPECT_NEAR(table.at(4, 25, 20)->jackpot, 0.34, 0.01);
}

// The table compiled into the game is the one the rules work out now, to
// the last bit, at every setting and bet: its figures read back exactly.
TEST(ExpectedReturn, TheTableBuiltIntoTheGameIsTheRulesOwn) {
  const ReturnTable& now = returnTable();
  for (int payout : kPayoutSettings)
    for (int lines : kLineChoices)
      for (int bet : {1, 7, 20}) {
        SCOPED_TRACE(::testing::Message() << "payout " << payout << ", " << lines << " x " << bet);
        const ExpectedReturn built = *builtReturnTable().at(payout, lines, bet);
        const ExpectedReturn worked = *now.at(payout, lines, bet);
        EXPECT_EQ(built.base, worked.base);
        EXPECT_EQ(built.free, worked.free);
        EXPECT_EQ(built.freeError, worked.freeError);
        EXPECT_EQ(built.jackpot, worked.jackpot);
        EXPECT_EQ(built.spread, worked.spread);
        EXPECT_EQ(built.bands, worked.bands);
      }
  EXPECT_FALSE(builtReturnTable().at(2, 25, 1));
}

TEST(ExpectedReturn, FreeSpinEstimateAgreesWithWholePressesSimulated) {
  struct Case {
    int payout, lines;
  };
  for (const Case c : {Case{4, 25}, Case{1, 5}}) {
    SCOPED_TRACE(::testing::Message() << "payout " << c.payout << ", " << c.lines << " lines");
    par::SimulationOptions o;
    o.setting = {c.payout, c.lines, 1, false};
    o.presses = 2'000'000;
    o.seed = 91;
    const par::SimulationResult run = par::simulate(o);
    const ExpectedReturn r = *returnTable().at(c.payout, c.lines, 1);
    const double sigma = std::hypot(r.freeError, run.parts[par::Free].stdError);
    EXPECT_NEAR(r.free, run.parts[par::Free].rtp, 3.5 * sigma);
    // The ordinary spin's exact figure leaves out only a held wild carried
    // out of a series and the run lengths a voided outcome leaves behind.
    EXPECT_NEAR(r.base, run.parts[par::Base].rtp, 3.5 * run.parts[par::Base].stdError + 0.007);
    // The spread of a press without jackpots is the one the presses show to
    // within a tenth (both rest on the rare long series); it is wider than
    // the ordinary spin's alone.
    const double staked = static_cast<double>(run.tally.stakedPresses());
    const double mean = static_cast<double>(run.tally.sum[par::WithoutJackpots]) / staked;
    const double pressSpread =
        std::sqrt(run.tally.squares[par::WithoutJackpots] / staked - mean * mean) / c.lines;
    EXPECT_NEAR(r.spread, pressSpread, 0.1 * pressSpread);
    EXPECT_GT(r.spread, par::exactSheet(enumerateBaseGame()[c.lines == 25 ? 4 : 1], c.payout).stdev);
  }
}

TEST(ExpectedReturn, SeriesEstimateDependsOnItsSeedAlone) {
  const SeriesEstimate a = estimateSeriesWin(3, 10, 500, 5);
  const SeriesEstimate b = estimateSeriesWin(3, 10, 500, 5);
  const SeriesEstimate c = estimateSeriesWin(3, 10, 500, 6);
  EXPECT_EQ(a.series, 500u);
  EXPECT_EQ(a.meanWin, b.meanWin);
  EXPECT_NE(a.meanWin, c.meanWin);
  // A series pays its free spins: at least ten of them, and some win.
  EXPECT_GT(a.meanWin, 0);
  EXPECT_GT(a.stdError, 0);
  EXPECT_LT(a.stdError, a.meanWin);
}

}  // namespace
}  // namespace quov
