#include <gtest/gtest.h>

#include "engine/gamble.h"
#include "machine_fixture.h"
#include "outcomes.h"
#include "rules/gamble.h"

namespace quov {
namespace {

using testing::findStops;
using testing::MachineTest;
using testing::Outcome;

class Gamble : public MachineTest {
 protected:
  // A normal-play spin that wins exactly 25 cents (two scatters, no line),
  // after which the gamble is offered.
  void winTwentyFive() {
    const auto s = *findStops(25, [](const Outcome& o) {
      return o.readout.scattercount == 2 && o.lineWin == 0 && testing::noWild(o);
    });
    machine.scriptSpin({s[0], s[1], s[2], s[3], s[4]});
    machine.pressSpin();
    ASSERT_EQ(q.spinwin, 25);
    ASSERT_TRUE(q.doublebutton.enabled);
    machine.advance(2000);  // the roll-up ends; the gamble stays offered
  }
  void open() {
    q.doublebutton.show();
    ASSERT_TRUE(machine.click(q.doublebutton));
    ASSERT_TRUE(machine.engine.gamble().open());
  }
  void bet(Element& button, int suit) {
    machine.platform.random.push(suit);
    ASSERT_TRUE(machine.click(button));
  }
};

TEST_F(Gamble, TwentyFiveCentsWonOnRedAndCollected) {
  m.soundonoff = -1;
  winTwentyFive();
  const auto credit = m.bank, total = m.total;
  open();
  EXPECT_EQ(machine.engine.gamble().atRisk(), 25);
  EXPECT_EQ(m.bank, credit - 25) << "the stake leaves the credit";
  EXPECT_EQ(machine.engine.gamble().panel.risklab.caption, "At Risk  25");
  EXPECT_FALSE(q.btnspin.enabled);
  bet(machine.engine.gamble().panel.betred, kDiamonds);
  EXPECT_EQ(machine.engine.gamble().atRisk(), 50);
  EXPECT_EQ(machine.engine.gamble().panel.risklab.caption, "At Risk  50");
  EXPECT_EQ(machine.engine.gamble().panel.lblblackred.caption, "Black/Red Win = 100");
  EXPECT_EQ(machine.engine.gamble().panel.lblsuit.caption, "Suit Win = 200");
  EXPECT_EQ(machine.platform.sound.ids().back(), 114);
  EXPECT_EQ(machine.engine.gamble().panel.piccardholder.picture, (PictureRef{ImageListId::Imagelistcards, kDiamonds, 0}));
  EXPECT_TRUE(machine.engine.gamble().panel.gamblewin.visible);
  EXPECT_EQ(machine.engine.gamble().panel.gamblewin.top, 4800) << "the banner ends its slide";
  ASSERT_TRUE(machine.click(machine.engine.gamble().panel.cancelbet));
  EXPECT_FALSE(machine.engine.gamble().open());
  EXPECT_EQ(m.bank, credit - 25 + 50);
  EXPECT_EQ(m.total, total + 25);
  EXPECT_EQ(q.LABWIN.caption, "50");
  EXPECT_EQ(q.lblwin.caption, "$ 0.5");
  EXPECT_TRUE(q.btnspin.enabled);
  EXPECT_TRUE(q.inputAllowed());
}

TEST_F(Gamble, ALossKeepsTheCreditAsEntryLeftItAndClosesThePanel) {
  m.soundonoff = -1;
  winTwentyFive();
  const auto total = m.total;
  open();
  const auto afterEntry = m.bank;
  bet(machine.engine.gamble().panel.betblack, kHearts);
  EXPECT_FALSE(machine.engine.gamble().open());
  EXPECT_EQ(m.bank, afterEntry);
  EXPECT_EQ(m.total, total);
  EXPECT_EQ(q.LABWIN.caption, "         No Win");
  EXPECT_EQ(machine.engine.gamble().panel.risklab.caption, "    No Win  ");
  EXPECT_EQ(machine.platform.sound.ids().back(), 103);
  EXPECT_FALSE(q.doublebutton.enabled);
  EXPECT_TRUE(q.btnspin.enabled);
  EXPECT_TRUE(q.inputAllowed());
  EXPECT_FALSE(machine.click(machine.engine.gamble().panel.cancelbet)) << "nothing left to collect";
  EXPECT_EQ(m.bank, afterEntry);
}

TEST_F(Gamble, ACollectedSeriesTotalIsTheStakeAndIsNotCountedAsWonTwice) {
  q.freespinsgiven = q.freespinsplayed = 11;
  q.freespinwin = 730;
  q.takewin.show();
  q.takewin.enable();
  ASSERT_TRUE(machine.click(q.takewin));
  q.spinwin = 40;  // whatever the last spin showed
  const auto credit = m.bank, total = m.total;
  open();
  EXPECT_EQ(machine.engine.gamble().atRisk(), 730);
  EXPECT_EQ(machine.engine.gamble().carried(), 0);
  EXPECT_EQ(m.bank, credit - 730);
  ASSERT_TRUE(machine.click(machine.engine.gamble().panel.cancelbet));
  EXPECT_EQ(m.bank, credit);
  EXPECT_EQ(m.total, total) << "the series total was booked as won when it was won";
}

TEST_F(Gamble, FromTheSixthDrawTheHistoryRowPutsTheNewestSuitAtItsRightEnd) {
  winTwentyFive();
  open();
  for (int draw = 1; draw <= 5; ++draw) bet(machine.engine.gamble().panel.betred, draw % 2 ? kHearts : kDiamonds);
  for (int h = 1; h <= 5; ++h) {
    EXPECT_TRUE(machine.engine.gamble().panel.historypic[h].visible);
    EXPECT_EQ(machine.engine.gamble().panel.historypic[h].picture.index, suitIcon(h % 2 ? kHearts : kDiamonds));
  }
  EXPECT_EQ(machine.engine.gamble().panel.historypic[1].left, 500) << "the design positions until the row is full";
  bet(machine.engine.gamble().panel.betred, kDiamonds);
  EXPECT_EQ(machine.engine.gamble().historycount(), 6);
  EXPECT_EQ(machine.engine.gamble().panel.historypic[1].picture.index, suitIcon(kDiamonds));
  EXPECT_EQ(machine.engine.gamble().panel.historypic[1].left, 2760);
  const int lefts[6] = {0, 2760, 360, 960, 1560, 2160};
  for (int h = 1; h <= 5; ++h) EXPECT_EQ(machine.engine.gamble().panel.historypic[h].left, lefts[h]) << h;
  bet(machine.engine.gamble().panel.betred, kHearts);  // the seventh: slot 2 is newest, slot 3 oldest
  EXPECT_EQ(machine.engine.gamble().panel.historypic[2].left, 2760);
  EXPECT_EQ(machine.engine.gamble().panel.historypic[3].left, 360);
  EXPECT_EQ(machine.engine.gamble().panel.historypic[1].left, 2160);
  for (int draw = 8; draw <= 11; ++draw) bet(machine.engine.gamble().panel.betred, kHearts);
  EXPECT_EQ(machine.engine.gamble().historycount(), 6) << "11 becomes 6";
  EXPECT_EQ(machine.engine.gamble().panel.historypic[1].left, 2760);
  EXPECT_EQ(machine.engine.gamble().atRisk(), 25 << 11);
}

TEST_F(Gamble, ARightSuitPaysFourTimesAndTheRightColourAloneLoses) {
  m.soundonoff = -1;
  winTwentyFive();
  open();
  bet(machine.engine.gamble().panel.suitbet[kDiamonds], kDiamonds);
  EXPECT_EQ(machine.engine.gamble().atRisk(), 100);
  EXPECT_EQ(machine.platform.sound.ids().back(), 120);
  EXPECT_TRUE(machine.engine.gamble().open());
  bet(machine.engine.gamble().panel.suitbet[kSpades], kSpades);
  EXPECT_EQ(machine.engine.gamble().atRisk(), 400);
  EXPECT_EQ(machine.platform.sound.ids().back(), 115);
  const auto credit = m.bank;
  bet(machine.engine.gamble().panel.suitbet[kDiamonds], kHearts);  // red, but not diamonds
  EXPECT_FALSE(machine.engine.gamble().open());
  EXPECT_EQ(m.bank, credit);
  EXPECT_EQ(machine.platform.sound.ids().back(), 103);
}

TEST_F(Gamble, PressesDuringTheRevealAreIgnored) {
  winTwentyFive();
  open();
  const auto afterEntry = m.bank;
  auto pressAll = [&] {
    machine.platform.loop.post([&] { machine.click(machine.engine.gamble().panel.cancelbet); });
    machine.platform.loop.post([&] { machine.click(machine.engine.gamble().panel.betblack); });
    machine.platform.loop.post([&] { machine.click(machine.engine.gamble().panel.suitbet[kClubs]); });
  };
  // A winning reveal: one card, one doubling.
  pressAll();
  bet(machine.engine.gamble().panel.betred, kHearts);
  EXPECT_FALSE(machine.platform.loop.hasPosted());
  EXPECT_EQ(machine.platform.random.pending(), 0u);
  EXPECT_EQ(machine.engine.gamble().atRisk(), 50);
  EXPECT_EQ(machine.engine.gamble().historycount(), 1) << "no second bet nested in the first";
  EXPECT_TRUE(machine.engine.gamble().open());
  // A losing reveal: the collect pressed meanwhile pays nothing.
  pressAll();
  bet(machine.engine.gamble().panel.betred, kClubs);
  EXPECT_FALSE(machine.engine.gamble().open());
  EXPECT_EQ(m.bank, afterEntry);
  EXPECT_EQ(machine.engine.gamble().historycount(), 2);
}

TEST_F(Gamble, NoSpinStartsWhileThePanelHoldsTheStake) {
  winTwentyFive();
  open();
  const auto bank = m.bank;
  const auto draws = machine.platform.random.draws();
  machine.advance(200);  // the idle ticker allows input again
  ASSERT_TRUE(q.inputAllowed());
  machine.pressSpin();
  machine.key(32);
  EXPECT_EQ(machine.platform.random.draws(), draws);
  EXPECT_EQ(machine.engine.gamble().atRisk(), 25);
  EXPECT_EQ(m.bank, bank);
  ASSERT_TRUE(machine.click(machine.engine.gamble().panel.cancelbet));
  EXPECT_EQ(m.bank, bank + 25);
}

}  // namespace
}  // namespace quov
