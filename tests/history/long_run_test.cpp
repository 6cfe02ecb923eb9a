// A hundred thousand autoplay presses with the payout throttle on, coins put
// in when the credit runs low and the collected series gambled: the history
// holds every one, each record's books balance, every record starts where
// the one before it ended, and the meters it gives equal the statistics the
// machine kept itself.
#include <gtest/gtest.h>

#include <random>

#include "cabinet/controls.h"
#include "engine/gamble.h"
#include "headless/headless_machine.h"
#include "records/game_recorder.h"
#include "records/history_ledger.h"

namespace quov {
namespace {

constexpr int kPresses = 100000;

TEST(LongRun, TheLedgerHoldsOverAHundredThousandRecordedPresses) {
  HeadlessMachine machine(777);
  Quov& q = machine.quov;
  Modquov& m = machine.mod;
  machine.platform.store.write("quovslot", "player1", "machinepay", "4");
  machine.platform.sound.recording = false;
  machine.platform.store.recordWrites = false;
  machine.start();
  machine.advance(100);
  const std::int32_t bank0 = m.bank, invested0 = m.amountinvested, wager0 = m.wager,
                     games0 = m.games;
  std::mt19937 choices(5);
  int presses = 0, gambles = 0;
  auto insertCoinsIfLow = [&] {
    while (m.bank < 500) {
      machine.cabinet.controls().coinsin_mousedown();
      machine.cabinet.controls().coinsin_mouseup();
    }
  };
  auto gamble = [&] {
    if (!machine.click(q.doublebutton)) return;
    ++gambles;
    for (int b = 0; b < 3 && machine.engine.gamble().open(); ++b) {
      const int choice = static_cast<int>(choices() % 7);
      if (choice == 0) machine.click(machine.engine.gamble().panel.betred);
      else if (choice == 1) machine.click(machine.engine.gamble().panel.betblack);
      else if (choice == 2) break;
      else machine.click(machine.engine.gamble().panel.suitbet[choice - 2]);
    }
    if (machine.engine.gamble().open()) machine.click(machine.engine.gamble().panel.cancelbet);
  };
  q.tmrautospin.onTick = [&, press = q.tmrautospin.onTick] {
    const bool pressing = q.autoplaymode >= 1 && q.idleticks >= q.autopause &&
                          !machine.jackpotTime();
    if (pressing) {
      if (presses >= kPresses) return;
      ++presses;
      insertCoinsIfLow();
      if (q.doublebutton.enabled && q.doublebutton.visible) gamble();  // a collected series
    }
    press();
  };

  insertCoinsIfLow();
  ASSERT_TRUE(machine.click(q.autoplayon));
  while (presses < kPresses) {
    machine.advance(10000);
    ASSERT_TRUE(machine.keepAutoplaying(insertCoinsIfLow));
  }
  ASSERT_TRUE(machine.click(q.autoplayon));  // off
  ASSERT_TRUE(machine.settle());

  LedgerCheck check;
  IntegrityMeters meters;
  std::int64_t jackpots = 0, freeSpins = 0, voids = 0;
  machine.platform.history.forEach([&](const GameRecord& r) {
    check.add(r);
    meters.add(r);
    jackpots += r.kind == RecordKind::JackpotTime;
    freeSpins += r.kind == RecordKind::FreeSpin;
    voids += r.voids;
  });
  const LedgerReport& report = check.report();
  EXPECT_TRUE(report.sound()) << "unbalanced " << report.unbalanced << ", breaks "
                              << report.breaks << ", series " << report.badSeries << ", wins "
                              << report.badWins << ", gambles " << report.badGambles
                              << ", first at record " << report.firstFault;
  EXPECT_EQ(machine.cabinet.recorder().failedAppends(), 0);
  EXPECT_EQ(meters.games, m.games - games0) << "every game played is recorded";
  EXPECT_EQ(meters.moneyPlayed, m.wager - wager0);
  EXPECT_EQ(meters.moneyIn, m.amountinvested - invested0);
  EXPECT_EQ(m.bank, bank0 + meters.moneyIn - meters.moneyPlayed + meters.moneyWon +
                        meters.jackpotsPaid);
  EXPECT_GE(meters.games + jackpots, kPresses - 1) << "every press is a game or a jackpot time";
  // The run reached every kind of record.
  EXPECT_GT(jackpots, 0);
  EXPECT_GT(freeSpins, 0);
  EXPECT_GT(voids, 0);
  EXPECT_GT(gambles, 0);
}

}  // namespace
}  // namespace quov
