// Whole presses of the headless machine, as an autoplay player makes them
// (a series collected when it ends, nothing gambled), read back as the rules'
// press results so they can be set against the rules played straight through.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/reels.h"
#include "engine/win_meter.h"
#include "headless/headless_machine.h"
#include "rules/bets.h"
#include "rules/press.h"

namespace quov::testing {

class MachinePresses {
 public:
  MachinePresses(std::uint64_t seed, const PressSetting& setting)
      : machine(seed), setting_(setting) {
    machine.platform.store.write("quovslot", "player1", "bank", "1000000000");
    machine.platform.store.write("quovslot", "player1", "machinepay",
                                 std::to_string(setting.machinepay));
    machine.platform.sound.recording = false;
    machine.platform.store.recordWrites = false;
    machine.start();
    machine.advance(100);
    Quov& q = machine.quov;
    q.linesplayed = static_cast<std::int16_t>(setting.lines);
    for (int level = 1; level <= kBetLevels; ++level)
      if (betPerLine(level) == setting.betperline) q.betlevel = static_cast<std::int16_t>(level);
    q.betperline = betPerLine(q.betlevel);
  }

  struct Press {
    PressResult result;
    bool bookedAsMeter = false;  // the jackpot's prize went to the jackpots won
  };

  // One press and everything it sets going, up to the machine's next idle
  // moment. With meters held at their floors, they are put back on them
  // before the press.
  Press press() {
    Quov& q = machine.quov;
    Modquov& m = machine.mod;
    if (!setting_.growingMeters) {
      m.grand = kGrandFloor;
      m.major = kMajorFloor;
      m.minor = kMinorFloor;
    }
    const std::int64_t bank = m.bank, jackpotbank = m.jackpotbank;
    const int games = m.games, awards = m.howmanyspins, grandwon = m.grandwon, majorwon = m.majorwon, minorwon = m.minorwon;
    const PrizeValues before = prizeValuesFor({m.grand, m.major, m.minor}, setting_.totalBet());
    machine.pressSpin();
    Press p;
    PressResult& r = p.result;
    r.jackpotTime = m.games == games;
    if (!r.jackpotTime) {
      r.stake = setting_.totalBet();
      r.base = q.spinwin;
    }
    settle();
    if (q.takewin.visible) {
      machine.engine.winMeter().takewin_click();
      settle();
    }
    const std::int64_t credited = m.bank - bank;
    if (r.jackpotTime) {
      // The won counters tell the cell the ball stopped on; the jackpots won
      // tell whether the show booked the prize as a meter, which it does by
      // the prize's value.
      r.jackpot.prize = static_cast<std::int32_t>(credited);
      const int multiple = r.jackpot.prize / setting_.totalBet();
      r.jackpot.cell = m.grandwon != grandwon   ? JackpotPrize::Grand
                       : m.majorwon != majorwon ? JackpotPrize::Major
                       : m.minorwon != minorwon ? JackpotPrize::Minor
                       : multiple == 10         ? JackpotPrize::BetX10
                       : multiple == 20         ? JackpotPrize::BetX20
                                                : JackpotPrize::BetX30;
      p.bookedAsMeter = m.jackpotbank != jackpotbank;
      r.jackpot.booked = p.bookedAsMeter ? prizeByValue(r.jackpot.prize, before) : r.jackpot.cell;
    } else {
      r.free = credited + r.stake - r.base;
      r.awards = m.howmanyspins - awards;
    }
    return p;
  }

  HeadlessMachine machine;

 private:
  void settle() { ASSERT_TRUE(machine.settle(24 * 3600 * 1000)) << "the machine came back to idle"; }
  PressSetting setting_;
};

}  // namespace quov::testing
