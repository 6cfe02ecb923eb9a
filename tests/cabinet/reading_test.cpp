// The cabinet in words: the meters and reels a screen reader reads, and what
// it announces as the game plays.
#include <gtest/gtest.h>

#include "cabinet/announcer.h"
#include "cabinet/screen_reading.h"
#include "engine/gamble.h"
#include "machine_fixture.h"
#include "outcomes.h"
#include "rules/gamble.h"
#include "rules/money.h"

namespace quov {
namespace {

using testing::findStops;
using testing::MachineTest;
using testing::Outcome;
using testing::Stops;

class Reading : public MachineTest {
 protected:
  const Announcer& announcer() { return machine.cabinet.announcer(); }
  void spinTo(const Stops& s) {
    machine.scriptSpin({s[0], s[1], s[2], s[3], s[4]});
    machine.pressSpin();
    ASSERT_TRUE(machine.settle());
  }
  std::string meter(const std::string& name) {
    for (const MeterReading& r : meterReadings(q))
      if (r.name == name) return r.value;
    ADD_FAILURE() << "no meter " << name;
    return {};
  }
};

TEST_F(Reading, TheMetersReadWhatTheirLabelsShow) {
  EXPECT_EQ(meter("Credit"), "$ 1000");
  EXPECT_EQ(meter("Lines"), "25");
  EXPECT_EQ(meter("Bet per line"), "1");
  EXPECT_EQ(meter("Stake"), "$ 0.25");
  EXPECT_EQ(meter("Grand jackpot"), "$ 2000");
  const Stops lose = *findStops(25, testing::losing);
  spinTo(lose);
  EXPECT_EQ(meter("Credit"), "$ 999.75");
  EXPECT_EQ(meter("Win"), "No Win") << "the money text is blank after a loss";
}

TEST_F(Reading, TheReelsReadTheSymbolsTheyStopOnTopRowFirst) {
  // Stops that show no wild and no scatter, so every symbol reads by name.
  const Stops s = *findStops(25, [](const Outcome& o) {
    return testing::losing(o) && o.readout.scattercount == 0;
  });
  spinTo(s);
  std::string expected;
  for (int r = 1; r <= kReels; ++r) {
    expected += (r > 1 ? " Reel " : "Reel ") + std::to_string(r) + ":";
    for (int row = 0; row < kRows; ++row)
      expected += (row ? ", " : " ") + std::string(symbolName(visibleSymbol(r, s[r - 1], row)));
    expected += '.';
  }
  EXPECT_EQ(reelsReading(q), expected);

  q.screen.mouseMove(&q.btnopenmenu);
  ASSERT_TRUE(machine.click(q.viewpaylines));
  EXPECT_EQ(reelsReading(q), "") << "the payline view has no reels";
}

TEST_F(Reading, WinsGambleResultsAndNoMoneyAreAnnouncedAsTheyHappen) {
  const Stops twoScatters = *findStops(25, [](const Outcome& o) {
    return o.readout.scattercount == 2 && o.lineWin == 0 && testing::noWild(o);
  });
  spinTo(twoScatters);
  EXPECT_EQ(announcer().latest(), "Win $ 0.25.");
  const auto afterWin = announcer().count();

  ASSERT_TRUE(machine.runUntil([this] { return q.doublebutton.shownOnScreen(); }, 1000));
  ASSERT_TRUE(machine.click(q.doublebutton));
  machine.platform.random.push(kDiamonds);
  ASSERT_TRUE(machine.click(machine.engine.gamble().panel.betred));
  EXPECT_EQ(announcer().latest(), "The card is diamonds: red wins. At risk $ 0.5.");
  machine.platform.random.push(kClubs);
  ASSERT_TRUE(machine.click(machine.engine.gamble().panel.suitbet[kHearts]));
  EXPECT_EQ(announcer().latest(), "The card is clubs: hearts loses.");
  EXPECT_EQ(announcer().count(), afterWin + 2);

  m.bank = 0;
  machine.advance(100);
  machine.key(' ');
  EXPECT_EQ(announcer().latest(), "No money: the credit does not cover the bet. Insert credit.");
  EXPECT_GT(machine.platform.history.count(), 0) << "the history still hears every report";
}

TEST_F(Reading, FreeSpinAwardsTheirCollectAndJackpotPrizesAreAnnounced) {
  const Stops three = *findStops(25, [](const Outcome& o) {
    return o.readout.scattercount == 3 && testing::noWild(o);
  });
  machine.scriptSpin({three[0], three[1], three[2], three[3], three[4]});
  machine.pressSpin();
  ASSERT_EQ(q.freespinmode, -1);
  EXPECT_NE(announcer().latest().find("10 free spins awarded."), std::string::npos)
      << announcer().latest();
  // The series plays on its own draws; at its end COLLECT pays its total.
  ASSERT_TRUE(machine.runUntil([this] { return q.takewin.shownOnScreen(); }, 30 * 60 * 1000, 50));
  const auto total = q.freespinwin;
  ASSERT_TRUE(machine.click(q.takewin));
  EXPECT_EQ(announcer().latest(), "Free spins pay " + moneyText(total) + ".");
  ASSERT_TRUE(machine.settle());

  machine.platform.random.push({1, 5, 2});  // jackpot time; the ball stops on ten times the bet
  machine.pressSpin();
  ASSERT_TRUE(machine.runUntil([this] { return !machine.jackpotTime(); }, 60000, 50));
  EXPECT_EQ(announcer().latest(), "Jackpot pays $ 2.5.");
}

}  // namespace
}  // namespace quov
