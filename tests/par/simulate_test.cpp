// The tool's simulation: whole presses of the headless machine against the
// tool's own run of the same setting, within three standard errors for every
// part of the return; the same figures whatever the number of threads;
// standard errors that match the spread of independent runs; and the exact
// jackpot and gamble figures.
#include <gtest/gtest.h>

#include <cmath>

#include "machine_presses.h"
#include "tools/par/sheet.h"
#include "tools/par/simulate.h"

namespace quov {
namespace {

using par::Part;

TEST(Simulation, AgreesWithTheMachinesOwnPressesWithinThreeStandardErrors) {
  // 25 lines at 20 cents, payout 4, meters at their floors: the throttle,
  // series, multipliers, holds and all six jackpot prizes take part.
  const PressSetting setting{4, 25, 20, false};
  constexpr int kMachinePresses = 200000;
  testing::MachinePresses machine(77, setting);
  par::SimulationResult seen;
  seen.options.setting = setting;
  for (int i = 0; i < kMachinePresses; ++i) seen.tally.count(machine.press().result, setting.totalBet());
  par::figure(seen);

  par::SimulationOptions o;
  o.setting = setting;
  o.presses = 4'000'000;
  o.seed = 78;
  const par::SimulationResult run = par::simulate(o);

  for (Part p : {par::Base, par::Free, par::BetMultiples, par::Minor, par::Major, par::Grand,
                 par::Jackpot, par::WithoutJackpots, par::Total}) {
    const double sigma = std::hypot(seen.parts[p].stdError, run.parts[p].stdError);
    EXPECT_GT(seen.parts[p].rtp, 0) << par::partName(p);
    EXPECT_NEAR(seen.parts[p].rtp, run.parts[p].rtp, 3 * sigma) << par::partName(p);
  }
  auto proportion = [](double p, double n) { return std::sqrt(p * (1 - p) / n); };
  const double n1 = kMachinePresses, n2 = static_cast<double>(o.presses);
  EXPECT_NEAR(seen.hitFrequency, run.hitFrequency,
              3 * std::hypot(proportion(seen.hitFrequency, n1), proportion(run.hitFrequency, n2)));
  EXPECT_NEAR(seen.seriesFrequency, run.seriesFrequency,
              3 * std::hypot(proportion(seen.seriesFrequency, n1), proportion(run.seriesFrequency, n2)));
}

TEST(Simulation, GivesTheSameFiguresWhateverTheThreads) {
  par::SimulationOptions o;
  o.setting = {3, 15, 5, true};
  o.presses = 5 * par::kChunkPresses + 123;
  o.seed = 9;
  o.threads = 1;
  const par::Tally one = par::simulate(o).tally;
  o.threads = 3;
  const par::Tally three = par::simulate(o).tally;
  EXPECT_EQ(one.presses, o.presses);
  EXPECT_EQ(one.sum, three.sum);
  EXPECT_EQ(one.squares, three.squares);
  EXPECT_EQ(one.byMultiplier, three.byMultiplier);
  EXPECT_EQ(one.voids, three.voids);
  o.seed = 10;
  EXPECT_NE(par::simulate(o).tally.sum, one.sum) << "another seed, other presses";
}

TEST(Simulation, StandardErrorsMatchTheSpreadOfIndependentRuns) {
  constexpr int kRuns = 40;
  par::SimulationOptions o;
  o.setting = {1, 25, 1, false};
  o.presses = 20000;
  o.threads = 1;
  double sum[2] = {}, squares[2] = {}, reported[2] = {};
  const Part parts[2] = {par::Base, par::WithoutJackpots};
  for (int i = 0; i < kRuns; ++i) {
    o.seed = 1000 + static_cast<std::uint64_t>(i);
    const par::SimulationResult r = par::simulate(o);
    for (int k = 0; k < 2; ++k) {
      sum[k] += r.parts[parts[k]].rtp;
      squares[k] += r.parts[parts[k]].rtp * r.parts[parts[k]].rtp;
      reported[k] += r.parts[parts[k]].stdError / kRuns;
    }
  }
  for (int k = 0; k < 2; ++k) {
    const double mean = sum[k] / kRuns;
    const double spread = std::sqrt((squares[k] - kRuns * mean * mean) / (kRuns - 1));
    EXPECT_GT(reported[k], 0.6 * spread) << par::partName(parts[k]);
    EXPECT_LT(reported[k], 1.6 * spread) << par::partName(parts[k]);
  }
}

TEST(Simulation, JackpotReturnAtTheFloorsAndTheGambleAreExact) {
  // The board: six cells pay 10, four 20 and two 30 times the total bet, two
  // the minor, one the major, one the grand; one press in 120 plays it and
  // stakes nothing.
  for (int bet : {1, 25, 100, 500}) {
    const double meanPrize = (6 * 10.0 * bet + 4 * 20.0 * bet + 2 * 30.0 * bet + 2 * 2000.0 + 20000.0 + 200000.0) / 16;
    EXPECT_NEAR(jackpotReturnAtFloor(bet), meanPrize / (119.0 * bet), 1e-12) << bet;
  }
  EXPECT_NEAR(jackpotReturnAtFloor(25), 4.81, 0.01) << "25 lines at 1 cent";
  const par::GambleFairness g = par::gambleFairness();
  EXPECT_DOUBLE_EQ(g.colourWins, 0.5);
  EXPECT_DOUBLE_EQ(g.colourReturn, 1.0);
  EXPECT_DOUBLE_EQ(g.suitWins, 0.25);
  EXPECT_DOUBLE_EQ(g.suitReturn, 1.0);
}

}  // namespace
}  // namespace quov
