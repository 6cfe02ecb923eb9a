// A long run of the whole machine in virtual time: autoplay with random
// draws, bet and line changes, gambles and coins, checking after every press
// that the machine came back to idle, that its counters stay in range and
// that no money was created or lost.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <random>

#include "cabinet/controls.h"
#include "engine/free_spins.h"
#include "engine/gamble.h"
#include "engine/jackpot.h"
#include "engine/reels.h"
#include "engine/wild_animations.h"
#include "headless/headless_machine.h"
#include "outcomes.h"
#include "rules/jackpot.h"

namespace quov {
namespace {

constexpr int kPresses = 200000;
constexpr Millis kPressBound = 60 * 60 * 1000;  // a long free-spin series included

class Soak : public ::testing::Test {
 protected:
  void SetUp() override {
    machine.platform.store.write("quovslot", "player1", "machinepay", "4");
    machine.platform.sound.recording = false;
    machine.platform.store.recordWrites = false;
    machine.start();
    machine.advance(100);
    for (int i = 0; i < 5; ++i) plainWins[i] = *testing::findStops(kLineChoices[i], testing::plainLineWin);
    bank0 = m.bank;
    invested0 = m.amountinvested;
    wager0 = m.wager;
    total0 = m.total;
    watchJackpots();
    q.tmrautospin.onTick = [this, press = q.tmrautospin.onTick] {
      if (q.autoplaymode >= 1 && q.idleticks >= q.autopause) beforePress(press);
      else press();
    };
  }

  // The credit is what came in, less the bets, plus what was won and kept,
  // plus the jackpot prizes.
  void checkLedger() {
    const long long expected = static_cast<long long>(bank0) + (m.amountinvested - invested0) -
                               (m.wager - wager0) + (m.total - total0) - lostStakes + prizes;
    ASSERT_EQ(m.bank, expected) << "after press " << presses;
  }

  void checkIdleAndRanges() {
    ASSERT_LE(machine.now() - lastPress, kPressBound) << "press " << presses;
    ASSERT_TRUE(q.tmrtick.enabled());
    ASSERT_EQ(q.freespinmode, 0);
    ASSERT_EQ(q.freespinsgiven, 0);
    ASSERT_FALSE(q.Timerrespin.enabled());
    ASSERT_FALSE(q.takewin.visible);
    ASSERT_FALSE(machine.jackpotTime());
    ASSERT_FALSE(machine.engine.gamble().open());
    ASSERT_GE(m.bank, 0);
    ASSERT_GE(m.grand, kGrandFloor);
    ASSERT_GE(m.major, kMajorFloor);
    ASSERT_GE(m.minor, kMinorFloor);
    ASSERT_TRUE(q.betlevel >= 1 && q.betlevel <= 6);
    ASSERT_TRUE(q.linesplayed == 1 || q.linesplayed == 5 || q.linesplayed == 10 ||
                q.linesplayed == 15 || q.linesplayed == 25);
    const ReelsState& reels = machine.engine.reels().state();
    for (int stop : {reels.reel1stop, reels.reel2stop, reels.reel3stop, reels.reel4stop,
                     reels.reel5stop})
      ASSERT_TRUE(stop >= 1 && stop <= 22);
    ASSERT_TRUE(q.scattercount >= 0 && q.scattercount <= 5);
    ASSERT_TRUE(q.freespinmult == 1 || q.freespinmult == 2 || q.freespinmult == 3 ||
                q.freespinmult == 5 || q.freespinmult == 10);
    ASSERT_TRUE(machine.engine.gamble().historycount() >= 0 && machine.engine.gamble().historycount() <= 10);
    ASSERT_TRUE(machine.engine.jackpot().state().jpball >= 0 && machine.engine.jackpot().state().jpball <= 4);
    const int scatterframe = machine.engine.freeSpins().state().scatterframe;
    const WildAnimationsState& wild = machine.engine.wildAnimations().state();
    ASSERT_TRUE(scatterframe >= 0 && scatterframe <= 13);
    ASSERT_TRUE(wild.symbolframe >= 0 && wild.symbolframe <= 28);
    ASSERT_TRUE(wild.wildticks >= 0 && wild.wildticks <= 27);
    ASSERT_TRUE(machine.engine.jackpot().state().ballcell >= 0 && machine.engine.jackpot().state().ballcell <= 17);
    ASSERT_TRUE(m.games >= 0 && m.howmanyspins >= 0 && m.popupcount >= 0 && m.popupcount < 25);
    ASSERT_TRUE(m.grandwon >= 0 && m.majorwon >= 0 && m.minorwon >= 0);
  }

  void watchJackpots() {
    machine.engine.jackpot().tmrdecidejackpot.onTick = [this, tick = machine.engine.jackpot().tmrdecidejackpot.onTick] {
      tick();
      if (machine.engine.jackpot().tmrdecidejackpot.enabled()) return;
      // The ball stopped: the prize is what its cell pays.
      const PrizeValues v{m.grand, m.major, m.minor, machine.engine.jackpot().state().betx10, machine.engine.jackpot().state().betx20, machine.engine.jackpot().state().betx30};
      EXPECT_EQ(m.jackpotprize, prizeValue(boardCell(machine.engine.jackpot().state().balltarget).prize, v));
      ++jackpots;
    };
    machine.engine.jackpot().tmrshowjackpot.onTick = [this, tick = machine.engine.jackpot().tmrshowjackpot.onTick] {
      const std::int32_t bank = m.bank;
      tick();
      if (machine.jackpotTime()) return;
      EXPECT_EQ(m.bank - bank, m.jackpotprize) << "the prize is paid";
      prizes += m.jackpotprize;
    };
    q.Timerwincounter.onTick = [this, tick = q.Timerwincounter.onTick] {
      EXPECT_LE(q.freespinsplayed, q.freespinsgiven);
      tick();
    };
  }

  void insertCoinsIfLow() {
    while (m.bank < 500) {
      machine.cabinet.controls().coinsin_mousedown();
      machine.cabinet.controls().coinsin_mouseup();
    }
  }

  // Up to three bets, then a collect if the stake survived.
  void gamble() {
    ++gambles;
    if (!machine.click(q.doublebutton)) return;
    // What a loss costs is the stake taken from the credit at entry; the
    // doublings on top of it were never credited nor counted as won.
    const std::int32_t stake = machine.engine.gamble().atRisk();
    for (int b = 0; b < 3 && machine.engine.gamble().open(); ++b) {
      const int choice = pick(6);
      if (choice == 0) machine.click(machine.engine.gamble().panel.betred);
      else if (choice == 1) machine.click(machine.engine.gamble().panel.betblack);
      else if (choice == 2) break;
      else machine.click(machine.engine.gamble().panel.suitbet[choice - 2]);
      if (!machine.engine.gamble().open()) lostStakes += stake;
    }
    if (machine.engine.gamble().open()) {
      ASSERT_TRUE(machine.click(machine.engine.gamble().panel.cancelbet));
    }
  }

  // Autoplay off, a new bet or line count, now and then a spin by hand
  // with a known line win and a gamble on it, then autoplay on again.
  void playByHand() {
    ASSERT_TRUE(machine.click(q.autoplayon));
    ASSERT_EQ(q.autoplaymode, 0);
    for (int k = pick(4); k > 0; --k) machine.click(q.btnbet);
    for (int k = pick(3); k > 0; --k) machine.click(q.payline);
    insertCoinsIfLow();
    if (pick(2) == 0) {
      int choice = 0;
      while (kLineChoices[choice] != q.linesplayed) ++choice;
      machine.scriptSpin({plainWins[choice][0], plainWins[choice][1], plainWins[choice][2],
                          plainWins[choice][3], plainWins[choice][4]});
      machine.platform.random.push(1);  // the payout draw lets the win stand
      ASSERT_TRUE(machine.click(q.btnspin));
      if (q.doublebutton.enabled) gamble();
    }
    while (q.autoplaymode == 0) ASSERT_TRUE(machine.click(q.autoplayon));  // spins at once
  }

  void beforePress(const std::function<void()>& press) {
    if (presses >= kPresses) return;  // the run is over: autoplay presses no more
    if (machine.jackpotTime()) {
      // A tick inside the start of jackpot time, before it switches the
      // autoplay timer off: the press must start nothing.
      const auto draws = machine.platform.random.draws();
      press();
      ASSERT_EQ(machine.platform.random.draws(), draws);
      return;
    }
    ++presses;
    checkIdleAndRanges();
    checkLedger();
    lastPress = machine.now();
    insertCoinsIfLow();
    if (q.doublebutton.enabled && q.doublebutton.visible) gamble();  // a collected series
    if (pick(40) == 0) {
      playByHand();
      return;
    }
    press();
  }

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(choices); }

  static constexpr int kLineChoices[5] = {1, 5, 10, 15, 25};
  HeadlessMachine machine{424242};
  Quov& q = machine.quov;
  Modquov& m = machine.mod;
  std::mt19937 choices{99};
  std::array<testing::Stops, 5> plainWins{};
  std::int32_t bank0 = 0, invested0 = 0, wager0 = 0, total0 = 0;
  long long lostStakes = 0, prizes = 0;
  int presses = 0, jackpots = 0, gambles = 0;
  Millis lastPress = 0;
};

TEST_F(Soak, TwoHundredThousandPressesKeepTheMachineSoundAndTheMoneyExact) {
  insertCoinsIfLow();
  ASSERT_TRUE(machine.click(q.autoplayon));
  while (presses < kPresses && !HasFatalFailure()) {
    const Millis before = machine.now();
    machine.advance(10000);
    ASSERT_GT(machine.now(), before);
    ASSERT_LE(machine.now() - lastPress, kPressBound) << "press " << presses;
    // The offer pop-up (every 25th losing spin) stops autoplay.
    ASSERT_TRUE(machine.keepAutoplaying([this] { insertCoinsIfLow(); }));
  }
  EXPECT_GE(presses, kPresses);
  EXPECT_GT(jackpots, 0);
  EXPECT_GT(m.howmanyspins, 0);
  EXPECT_GT(gambles, 0);
  EXPECT_GT(lostStakes, 0);
  EXPECT_GT(m.amountinvested, invested0);
  std::printf("presses %d, games %d, free-spin awards %d, jackpots %d, gambles %d\n", presses,
              m.games, m.howmanyspins, jackpots, gambles);
}

}  // namespace
}  // namespace quov
