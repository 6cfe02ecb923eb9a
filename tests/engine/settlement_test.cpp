#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/reels.h"
#include "engine/spin_cycle.h"
#include "machine_fixture.h"
#include "outcomes.h"

namespace quov {
namespace {

using testing::findStops;
using testing::losing;
using testing::MachineTest;
using testing::plainLineWin;
using testing::Stops;

class Settlement : public MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    lose = *findStops(25, losing);
    win = *findStops(25, plainLineWin);
  }
  void push(const Stops& s) {
    for (int v : s) machine.platform.random.push(v);
  }
  Stops lose{}, win{};
};

TEST_F(Settlement, CreditEqualToTheTotalBetSpinsToZero) {
  m.bank = 25;
  machine.scriptSpin({lose[0], lose[1], lose[2], lose[3], lose[4]});
  machine.pressSpin();
  EXPECT_EQ(m.bank, 0);
  EXPECT_EQ(m.games, 1);
  EXPECT_EQ(m.wager, 25);
  EXPECT_EQ(machine.engine.reels().state().reel1stop, lose[0]);
  EXPECT_EQ(q.LABWIN.caption, "No Win");
}

TEST_F(Settlement, OneCentShortShowsTheNoMoneyPanelAndStopsAutoplay) {
  m.bank = 24;
  m.soundonoff = -1;
  q.autoplaymode = 10;
  const int topBefore = q.reel[1].top;
  const auto drawsBefore = machine.platform.random.draws();
  machine.platform.random.push(2);  // the jackpot draw, before the credit check
  machine.pressSpin();
  EXPECT_TRUE(q.pannomoney.visible);
  EXPECT_EQ(machine.platform.sound.ids().back(), 103);
  EXPECT_EQ(q.autoplaymode, 0);
  EXPECT_FALSE(q.btnspin.enabled);
  EXPECT_TRUE(q.coinsin.enabled);
  EXPECT_EQ(machine.platform.random.draws() - drawsBefore, 1u) << "no reel was drawn";
  EXPECT_EQ(q.reel[1].top, topBefore);
  EXPECT_EQ(m.bank, 24);
  EXPECT_EQ(m.games, 0);
}

TEST_F(Settlement, PayoutSettingOneMakesNoThrottleDraw) {
  const auto before = machine.platform.random.draws();
  machine.scriptSpin({win[0], win[1], win[2], win[3], win[4]});
  machine.pressSpin();
  EXPECT_EQ(machine.platform.random.draws() - before, 6u);
  EXPECT_GT(q.spinwin, 0);
  EXPECT_EQ(m.games, 1);
}

TEST_F(Settlement, AVoidedWinLeavesNoTraceAndTheReplacementIsBookedOnce) {
  m.machinepay = 4;
  const auto bank = m.bank, total = m.total;
  machine.platform.random.push(2);  // jackpot draw
  push(win);
  machine.platform.random.push(3);  // throttle: the win is voided
  push(lose);
  machine.platform.random.push(4);  // a losing outcome stands whatever the draw
  machine.pressSpin();
  EXPECT_EQ(machine.platform.random.pending(), 0u);
  EXPECT_EQ(m.games, 1);
  EXPECT_EQ(m.wager, 25);
  EXPECT_EQ(m.total, total);
  EXPECT_EQ(m.bank, bank - 25);
  EXPECT_EQ(q.spinwin, 0);
  EXPECT_EQ(machine.engine.reels().state().reel1stop, lose[0]);
  EXPECT_EQ(q.reel[1].top, -1875 * lose[0]) << "only the replacement was animated";
}

// What the engine reports of a spin: each drawing, each void, and the
// outcome that was booked.
struct OutcomeLog : GameEvents {
  int drawn = 0, voided = 0;
  std::vector<SpinOutcome> booked;
  void outcomeDrawn() override { ++drawn; }
  void outcomeVoided() override { ++voided; }
  void outcomeBooked(const SpinOutcome& o) override { booked.push_back(o); }
};

TEST_F(Settlement, TheBookedOutcomeIsTheOneThatStoodAndTheScreenShowsIt) {
  OutcomeLog log;
  // The machine's own listeners stand aside for this test, and come back
  // however it ends.
  struct Listening {
    Quov& q;
    GameEvents* before;
    ~Listening() { q.events = before; }
  } listening{q, std::exchange(q.events, &log)};
  m.machinepay = 4;
  machine.platform.random.push(2);  // jackpot draw
  push(win);
  machine.platform.random.push(3);  // throttle: the win is voided
  push(lose);
  machine.platform.random.push(4);
  machine.pressSpin();
  ASSERT_EQ(log.booked.size(), 1u);
  EXPECT_EQ(log.drawn, 2);
  EXPECT_EQ(log.voided, 1);
  const SpinOutcome& replacement = log.booked[0];
  for (int r = 1; r <= kReels; ++r) EXPECT_EQ(replacement.stops[r], lose[r - 1]) << "reel " << r;
  EXPECT_EQ(replacement.win, 0);
  EXPECT_EQ(replacement.winline, LineArray{}) << "the voided win's lines are not the replacement's";
  EXPECT_EQ(q.winline, replacement.winline);

  ASSERT_TRUE(machine.settle());
  machine.platform.random.push(2);
  push(win);
  machine.platform.random.push(1);  // the win stands
  machine.pressSpin();
  ASSERT_EQ(log.booked.size(), 2u);
  const SpinOutcome& stood = log.booked[1];
  const auto expected = testing::evaluate(win, 25, 1);
  EXPECT_EQ(stood.win, expected.lineWin);
  EXPECT_EQ(stood.winline, expected.winline);
  EXPECT_EQ(stood.winlength, expected.winlength);
  EXPECT_EQ(stood.readout.scattercount, expected.readout.scattercount);
  // The main screen keeps what the animations and the line flash read.
  EXPECT_EQ(q.spinwin, stood.win);
  EXPECT_EQ(q.winline, stood.winline);
  EXPECT_EQ(q.winlength, stood.winlength);
  for (int r = 1; r <= kReels; ++r) EXPECT_EQ(q.wildcell[r], stood.readout.wildcell[r]);
}

TEST_F(Settlement, AWinStandsWhenTheThrottleDrawsOne) {
  m.machinepay = 3;
  const auto bank = m.bank;
  machine.platform.random.push(2);
  push(win);
  machine.platform.random.push(1);
  machine.pressSpin();
  const auto o = testing::evaluate(win, 25, 1);
  EXPECT_EQ(q.spinwin, o.lineWin);
  EXPECT_EQ(m.bank, bank - 25 + o.lineWin);
  EXPECT_EQ(m.total, o.lineWin);
}

TEST_F(Settlement, ALongChainOfVoidsRunsInConstantStack) {
  m.machinepay = 4;
  constexpr int kVoids = 50000;
  machine.platform.random.push(2);
  for (int i = 0; i < kVoids; ++i) {
    push(win);
    machine.platform.random.push(2);
  }
  push(lose);
  machine.platform.random.push(2);
  machine.platform.sound.recording = false;
  machine.pressSpin();
  EXPECT_EQ(machine.platform.random.pending(), 0u);
  EXPECT_EQ(m.games, 1);
  EXPECT_EQ(m.wager, 25);
  EXPECT_EQ(machine.engine.reels().state().reel5stop, lose[4]);
}

TEST_F(Settlement, TheTwentyFifthLosingSpinOpensTheOfferAndEndsAutoplay) {
  m.popupcount = 23;
  machine.scriptSpin({lose[0], lose[1], lose[2], lose[3], lose[4]});
  machine.pressSpin();
  EXPECT_EQ(m.popupcount, 24);
  EXPECT_FALSE(machine.cabinet.popupquov.screen.visible);
  q.autoplaymode = 10;
  machine.advance(200);
  machine.scriptSpin({lose[0], lose[1], lose[2], lose[3], lose[4]});
  machine.pressSpin();
  EXPECT_TRUE(machine.cabinet.popupquov.screen.visible);
  EXPECT_FALSE(q.screen.visible);
  EXPECT_EQ(q.autoplaymode, 0);
  EXPECT_EQ(m.popupcount, 0);
}

TEST_F(Settlement, WinsNeitherCountNorResetTheOfferCount) {
  m.popupcount = 10;
  machine.scriptSpin({win[0], win[1], win[2], win[3], win[4]});
  machine.pressSpin();
  EXPECT_EQ(m.popupcount, 10);
}

TEST_F(Settlement, FreeSpinVoidLeavesTheSeriesTotalsAndAHeldReelAlwaysStands) {
  m.machinepay = 4;
  q.freespinmode = -1;
  q.freespinsgiven = 11;
  q.freespinsplayed = 3;
  q.freespinwin = 500;
  m.total = 700;
  const auto bank = m.bank, games = m.games, wager = m.wager;
  push(win);
  machine.platform.random.push({20, 2});  // multiplier draw, throttle voids
  push(lose);
  machine.platform.random.push({20, 2});
  machine.engine.spinCycle().spin();
  EXPECT_EQ(machine.platform.random.pending(), 0u);
  EXPECT_EQ(q.freespinwin, 500);
  EXPECT_EQ(m.total, 700);
  EXPECT_EQ(q.freespinsplayed, 4) << "only the kept spin advances the series";
  EXPECT_EQ(m.bank, bank);
  EXPECT_EQ(m.games, games);
  EXPECT_EQ(m.wager, wager);

  // A held reel: the same win stands although the throttle draws 2.
  const ReelsState& reels = machine.engine.reels().state();
  machine.engine.reels().standAt({reels.reel1stop, reels.reel2stop,
                                  static_cast<std::int16_t>(win[2]), reels.reel4stop,
                                  reels.reel5stop});
  q.holds.wild[3] = true;
  machine.platform.random.push({win[0], win[1], win[3], win[4]});  // reel 3 keeps its stop
  machine.platform.random.push({20, 2});
  machine.engine.spinCycle().spin();
  EXPECT_EQ(machine.engine.reels().state().reel3stop, win[2]);
  EXPECT_EQ(machine.platform.random.pending(), 0u);
  EXPECT_EQ(q.spinwin, testing::evaluate(win, 25, 1).lineWin);
  EXPECT_EQ(q.freespinwin, 500 + q.spinwin);
  EXPECT_EQ(q.freespinsplayed, 5);
}

}  // namespace
}  // namespace quov
