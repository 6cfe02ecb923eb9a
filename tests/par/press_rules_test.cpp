// The rules of a whole press, played straight through, against the
// machine's own handlers: with the same seed both take the same draws, so
// every press must come out the same, cent for cent, with the same holds
// and meters left behind. And the pure rules one by one.
#include <gtest/gtest.h>

#include "machine_presses.h"
#include "outcomes.h"
#include "platform/random.h"
#include "rules/free_spins.h"
#include "rules/holds.h"
#include "rules/jackpot.h"
#include "rules/press.h"
#include "rules/throttle.h"

namespace quov {
namespace {

struct Case {
  std::uint64_t seed;
  PressSetting setting;
  int presses;
};

TEST(PressRules, EveryPressComesOutAsTheMachinesOwnDrawForDraw) {
  const Case cases[] = {
      {101, {4, 25, 1, true}, 15000},
      {202, {3, 10, 10, true}, 15000},
      {303, {1, 5, 2, true}, 15000},
      // Total bet 100: every x20 cell pays 2000 cents, the minor's floor, and
      // is booked as the minor.
      {404, {4, 10, 10, false}, 8000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "payout " << c.setting.machinepay << ", " << c.setting.lines
                                      << " lines x " << c.setting.betperline);
    testing::MachinePresses machine(c.seed, c.setting);
    const Quov& q = machine.machine.quov;
    const Modquov& m = machine.machine.mod;
    SeededRandom twin(c.seed);
    auto draw = [&twin](int n) { return twin.draw(n); };
    PlayState state;
    int jackpots = 0, series = 0, voids = 0, carried = 0, multiplied = 0, asMeter = 0;
    for (int i = 0; i < c.presses; ++i) {
      const auto seen = machine.press();
      const PressResult r = playPress(c.setting, state, draw);
      ASSERT_EQ(r.jackpotTime, seen.result.jackpotTime) << "press " << i;
      ASSERT_EQ(r.base, seen.result.base) << "press " << i;
      ASSERT_EQ(r.free, seen.result.free) << "press " << i;
      ASSERT_EQ(r.jackpot.prize, seen.result.jackpot.prize) << "press " << i;
      ASSERT_EQ(r.jackpot.cell, seen.result.jackpot.cell) << "press " << i;
      ASSERT_EQ(isMeterPrize(r.jackpot.booked), seen.bookedAsMeter) << "press " << i;
      if (!r.jackpotTime) {
        const ReelsState& reels = machine.machine.engine.reels().state();
        const int stops[6] = {0, reels.reel1stop, reels.reel2stop, reels.reel3stop, reels.reel4stop,
                              reels.reel5stop};
        for (int reel = 1; reel <= kReels; ++reel) ASSERT_EQ(state.stops[reel], stops[reel]) << "press " << i;
      }
      ASSERT_EQ(state.holds.wild[2], q.holds.wild[2]) << "press " << i;
      ASSERT_EQ(state.holds.wild[3], q.holds.wild[3]) << "press " << i;
      ASSERT_EQ(state.holds.wild[4], q.holds.wild[4]) << "press " << i;
      if (c.setting.growingMeters) {
        ASSERT_EQ(state.meters.grand, m.grand) << "press " << i;
        ASSERT_EQ(state.meters.major, m.major) << "press " << i;
        ASSERT_EQ(state.meters.minor, m.minor) << "press " << i;
      }
      jackpots += r.jackpotTime;
      series += r.awards > 0;
      voids += r.voids;
      carried += anyFlagged(state.holds);
      multiplied += r.freeSpins - r.byMultiplier[0];
      asMeter += seen.bookedAsMeter && !isMeterPrize(r.jackpot.cell);
    }
    // Every feature took part.
    EXPECT_GT(jackpots, 20);
    EXPECT_GT(series, 20);
    EXPECT_GT(multiplied, 20);
    EXPECT_GT(carried, 0) << "a wild of a series' last spin held its reel into the next press";
    if (c.setting.machinepay != 1) {
      EXPECT_GT(voids, 1000);
    }
    if (!c.setting.growingMeters) {
      EXPECT_GT(asMeter, 5) << "bet multiples booked as the minor";
    }
  }
}

// A voided outcome's run lengths stay on the lines: its replacement pays
// no lotus pair on a line where the voided outcome ran three or more. The
// machine and the rules, given the same draws, agree; without the void the
// pair pays.
TEST(PressRules, AVoidedOutcomesRunLengthsBlockALotusPairInItsReplacement) {
  using testing::Outcome;
  const testing::Stops longRun = *testing::findStops(1, [](const Outcome& o) {
    return o.winlength[1] >= 3 && o.readout.scattercount < 2;
  });
  const testing::Stops pair = *testing::findStops(1, [](const Outcome& o) {
    return o.lineWin == 2 && o.winlength[1] == 2 && o.readout.scattercount < 2;
  });
  const PressSetting setting{4, 1, 1, false};
  struct Script {
    std::vector<int> draws;
    std::size_t next = 0;
    int operator()(int) { return draws.at(next++); }
  };
  auto drawsOf = [&](bool voided) {
    std::vector<int> d{2};  // no jackpot time
    if (voided) {
      d.insert(d.end(), longRun.begin(), longRun.end());
      d.push_back(2);  // the throttle voids it
    }
    d.insert(d.end(), pair.begin(), pair.end());
    d.push_back(1);  // the throttle keeps it
    return d;
  };
  for (bool voided : {true, false}) {
    const std::vector<int> draws = drawsOf(voided);
    testing::MachinePresses machine(1, setting);
    for (int v : draws) machine.machine.platform.random.push(v);
    const PressResult seen = machine.press().result;
    Script script{draws};
    PlayState state;
    const PressResult played = playPress(setting, state, script);
    EXPECT_EQ(script.next, draws.size());
    EXPECT_EQ(machine.machine.platform.random.pending(), 0u);
    EXPECT_EQ(seen.base, voided ? 0 : 2) << (voided ? "the pair stays unpaid" : "the pair pays");
    EXPECT_EQ(played.base, seen.base);
    EXPECT_EQ(played.voids, voided ? 1 : 0);
    if (voided) {
      EXPECT_EQ(machine.machine.quov.winlength[1], testing::evaluate(longRun, 1, 1).winlength[1]);
    }
  }
}

TEST(PressRules, ThrottleDrawsForFreeSpinsAlwaysAndKeepsLosersAndHeldSpins) {
  EXPECT_FALSE(throttleDraws(SpinKind::Ordinary, 1));
  EXPECT_TRUE(throttleDraws(SpinKind::Ordinary, 4));
  EXPECT_TRUE(throttleDraws(SpinKind::Free, 1));
  EXPECT_TRUE(outcomeStands(SpinKind::Ordinary, 1, false, 500));
  EXPECT_FALSE(outcomeStands(SpinKind::Ordinary, 2, false, 500));
  EXPECT_TRUE(outcomeStands(SpinKind::Ordinary, 3, false, 0)) << "a losing outcome stands";
  EXPECT_FALSE(outcomeStands(SpinKind::Ordinary, 2, true, 500)) << "holds do not count in normal play";
  EXPECT_TRUE(outcomeStands(SpinKind::Free, 4, true, 500)) << "a free spin with a held reel stands";
  EXPECT_FALSE(outcomeStands(SpinKind::Free, 4, false, 500));
}

TEST(PressRules, AWildHoldsItsReelForOneSpinAndASeriesEndCarriesItOnce) {
  Holds h;
  noteWild(h, 3, true);  // a free spin lands reel 3's wild
  noteWild(h, 1, true);  // reels 1 and 5 never hold
  EXPECT_FALSE(h.wild[1]);
  releaseHeld(h);        // it stands: the fresh wild stays flagged
  EXPECT_TRUE(anyFlagged(h));
  // The next free spin keeps reel 3's stop and holds it.
  EXPECT_FALSE(keepsStop(h, 2));
  EXPECT_TRUE(keepsStop(h, 3));
  EXPECT_TRUE(anyHeld(h));
  noteWild(h, 3, true);  // a held reel shows its wild again
  releaseHeld(h);        // and is free after that spin
  EXPECT_FALSE(anyFlagged(h));
  EXPECT_FALSE(anyHeld(h));
  // A voided free spin forgets a fresh wild.
  noteWild(h, 4, true);
  clearHolds(h);
  EXPECT_FALSE(keepsStop(h, 4));
}

TEST(PressRules, SeriesRunsTheAnnouncedSpinsAndRetriggersAddElevenOrMore) {
  Series s;
  EXPECT_FALSE(awardFreeSpins(s, 2));
  ASSERT_TRUE(awardFreeSpins(s, 3));
  EXPECT_TRUE(awardStartsTotal(s));
  EXPECT_EQ(freeSpinsRemaining(s), 10);
  EXPECT_FALSE(seriesStep(s, 3)) << "the awarding spin never ends the series";
  int freeSpins = 0;
  bool done = false;
  while (!done) {
    ++freeSpins;
    const int scatters = freeSpins == 4 ? 3 : 0;  // the fourth free spin retriggers
    if (awardFreeSpins(s, scatters)) {
      EXPECT_FALSE(awardStartsTotal(s));
    }
    done = seriesStep(s, scatters);
  }
  EXPECT_EQ(freeSpins, 4 + 17);
  EXPECT_EQ(s.given, 22);
  Series five;
  awardFreeSpins(five, 5);
  EXPECT_EQ(five.bonuslevel, 20);
  EXPECT_EQ(freeSpinsRemaining(five), 20);
}

TEST(PressRules, AWildTakesPartThroughARunLeftOnItsLineEarlierInTheSeries) {
  const WildLines reel3Middle = wildLinesOf(ReelArray{0, 0, 0, 8, 0, 0});  // reel 3's middle cell
  ASSERT_NE(reel3Middle[1] & lineBit(1), 0u);
  WinLengths lengths;
  lengths.runs[0] = lineBit(1);  // a lotus pair on line 1: only reel 2 counts
  EXPECT_FALSE(wildInWin(lengths, reel3Middle, 25));
  lengths.runs = {0, lineBit(1), 0, 0};  // a run of three left on line 1
  EXPECT_TRUE(wildInWin(lengths, reel3Middle, 25));
  EXPECT_FALSE(wildInWin(lengths, reel3Middle, 0)) << "only the lines played count";
  // The same from the per-line lengths and wild cells the handlers keep.
  LineArray winlength{};
  winlength[1] = 3;
  EXPECT_TRUE(wildInWin(winlength, ReelArray{0, 0, 0, 8, 0, 0}, 25));
  winlength[1] = 2;
  EXPECT_FALSE(wildInWin(winlength, ReelArray{0, 0, 0, 8, 0, 0}, 25));
  EXPECT_TRUE(wildInWin(winlength, ReelArray{0, 0, 5, 0, 0, 0}, 25)) << "reel 2's middle wild";
  EXPECT_EQ(freeSpinMultiplier(1, true), 10);
  EXPECT_EQ(freeSpinMultiplier(1, false), 1);
  EXPECT_EQ(freeSpinMultiplier(25, true), 2);
}

TEST(PressRules, JackpotPrizesAreBookedByValue) {
  // Cell 1 pays 20 times the total bet: at 100 cents that is the minor's
  // floor, so the show books it as the minor and empties the minor.
  const JackpotWin floorMinor = jackpotWin(1, 100, Meters{});
  EXPECT_EQ(floorMinor.cell, JackpotPrize::BetX20);
  EXPECT_EQ(floorMinor.prize, 2000);
  EXPECT_EQ(floorMinor.booked, JackpotPrize::Minor);
  EXPECT_EQ(floorMinor.emptied, JackpotPrize::Minor);
  const JackpotWin grown = jackpotWin(1, 100, Meters{kGrandFloor, kMajorFloor, 2040});
  EXPECT_EQ(grown.booked, JackpotPrize::BetX20);
  EXPECT_EQ(grown.emptied, JackpotPrize::None);
  const JackpotWin grand = jackpotWin(4, 25, Meters{250000, 21000, 2100});
  EXPECT_EQ(grand.prize, 250000);
  EXPECT_EQ(grand.emptied, JackpotPrize::Grand);
  Meters m{250000, 21000, 2100};
  emptyMeter(m, grand.emptied);
  EXPECT_EQ(m.grand, kGrandFloor);
  EXPECT_EQ(m.major, 21000);
  // The show tells the minor first, the reset looks for the grand first.
  const PrizeValues sameValue{250000, 3000, 3000, 250, 500, 750};
  EXPECT_EQ(bookedPrize(3000, sameValue, JackpotPrize::Minor), JackpotPrize::Minor);
  EXPECT_EQ(meterToEmpty(3000, sameValue, JackpotPrize::Minor), JackpotPrize::Major);
  EXPECT_EQ(jackpotWin(8, 500, Meters{}).prize, 15000) << "30 times 500 cents fits the 16 bits";
  EXPECT_TRUE(startsJackpotTime(1));
  EXPECT_FALSE(startsJackpotTime(2));
}

}  // namespace
}  // namespace quov
