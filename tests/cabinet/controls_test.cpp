#include <gtest/gtest.h>

#include <climits>

#include "cabinet/controls.h"
#include "machine_fixture.h"
#include "outcomes.h"

namespace quov {
namespace {

using testing::findStops;
using testing::MachineTest;
using testing::Stops;

const Stops& losingStops() {
  static const Stops s = *findStops(25, testing::losing);
  return s;
}

class Controls : public MachineTest {
 protected:
  // Presses the spin with forced losing stops.
  void scriptLosingSpin() {
    const Stops& s = losingStops();
    machine.scriptSpin({s[0], s[1], s[2], s[3], s[4]});
  }
  // A whole spin pressed with the mouse, back to idle.
  void spinLosing() {
    scriptLosingSpin();
    machine.pressSpin();
    ASSERT_TRUE(machine.settle());
  }
  void pressButton(Element& e) { ASSERT_TRUE(machine.click(e)) << e.name; }
};

TEST_F(Controls, CoinAddsFiftyDollarsOutsideFreeSpinsOnly) {
  m.soundonoff = -1;
  q.pannomoney.show();
  pressButton(q.coinsin);
  EXPECT_EQ(m.bank, 105000);
  EXPECT_EQ(m.amountinvested, 5000);
  EXPECT_EQ(q.panelbank.caption, "105000");
  EXPECT_EQ(q.Lblcredit.caption, "$ 1050");
  EXPECT_FALSE(q.pannomoney.visible);
  EXPECT_TRUE(q.coinsin.visible) << "the release shows the button again";
  EXPECT_EQ(machine.platform.sound.ids(), (std::vector<int>{130})) << "the click, not cut short by a stop";

  q.freespinmode = -1;
  machine.cabinet.controls().coinsin_mousedown();
  EXPECT_EQ(m.bank, 105000);
  EXPECT_EQ(m.amountinvested, 5000);
  EXPECT_EQ(machine.platform.sound.played.size(), 1u);
}

TEST_F(Controls, CoinCannotPushTheCreditPastItsRange) {
  m.bank = INT_MAX;
  machine.cabinet.controls().coinsin_mousedown();
  EXPECT_EQ(m.bank, INT_MAX);
  EXPECT_EQ(m.amountinvested, 5000) << "the money put in is still counted";
}

TEST_F(Controls, BetStepsThroughItsLevelsAndEnablesSpinOnlyWhenCovered) {
  m.bank = 30;
  q.btnspin.disable();
  q.pannomoney.show();
  machine.cabinet.controls().btnbet_mousedown();  // level 2: 2 cents on 25 lines is more than the credit
  EXPECT_EQ(q.betperline, 2);
  EXPECT_EQ(q.lblbet.caption, "2");
  EXPECT_EQ(q.lbllast.caption, "50");
  EXPECT_EQ(q.lbltotallast.caption, "$ 0.5");
  EXPECT_FALSE(q.btnspin.enabled);
  EXPECT_TRUE(q.pannomoney.visible);

  m.bank = 1000;
  machine.cabinet.controls().btnbet_mousedown();  // level 3: covered
  EXPECT_EQ(q.betperline, 3);
  EXPECT_TRUE(q.btnspin.enabled);
  EXPECT_FALSE(q.pannomoney.visible);

  const std::int16_t rest[] = {5, 10, 20, 1, 2};
  for (std::int16_t want : rest) {
    machine.cabinet.controls().btnbet_mousedown();
    EXPECT_EQ(q.betperline, want);
  }
}

TEST_F(Controls, LineButtonCyclesTheLineChoicesAndLightsTheMarkers) {
  const std::int16_t cycle[] = {1, 5, 10, 15, 25, 1};
  for (std::int16_t lines : cycle) {
    pressButton(q.payline);
    ASSERT_EQ(q.linesplayed, lines);
    EXPECT_EQ(q.lbllines.caption, std::to_string(lines));
    EXPECT_EQ(q.lbllast.caption, std::to_string(lines));
    for (int k = 1; k <= 25; ++k)
      EXPECT_EQ(q.lin[k].picture.index, k <= lines ? k : k + 25) << lines << " lines, marker " << k;
    EXPECT_EQ(q.lin[26].picture.index, 1);
  }
}

TEST_F(Controls, LineChoiceTheCreditCoversClearsTheNoMoneyPanel) {
  m.bank = 3;
  q.btnspin.disable();
  q.pannomoney.show();
  q.flasher[7].show();
  pressButton(q.payline);  // 1 line at 1 cent
  EXPECT_TRUE(q.btnspin.enabled);
  EXPECT_FALSE(q.pannomoney.visible);
  EXPECT_FALSE(q.flasher[7].visible);
}

TEST_F(Controls, AfterAnotherKeyTheSpaceBarWaitsForTheNextSpin) {
  machine.key('x');
  EXPECT_FALSE(q.inputAllowed()) << "the next idle tick allows input again";
  machine.advance(100);
  scriptLosingSpin();
  machine.key(32);
  EXPECT_EQ(m.games, 0) << "keycount still counts the first key";

  machine.platform.random.clear();
  spinLosing();
  ASSERT_EQ(m.games, 1);
  scriptLosingSpin();
  machine.key(32);
  ASSERT_TRUE(machine.settle());
  EXPECT_EQ(m.games, 2) << "a spin resets the keyboard guard";
}

TEST_F(Controls, SpaceStartsNoSpinWhileTheControlBarIsAwayOrAutoplayRuns) {
  q.panfreespin.hide();
  scriptLosingSpin();
  machine.key(32);
  machine.advance(100);
  EXPECT_EQ(m.games, 0);

  q.panfreespin.show();
  q.keycount = 0;
  q.autoplaymode = 10;
  machine.key(32);
  machine.advance(100);
  EXPECT_EQ(m.games, 0);
  EXPECT_EQ(m.bank, 100000);
}

TEST_F(Controls, SpaceWithTooLittleCreditShowsTheNoMoneyPanelOnly) {
  m.soundonoff = -1;
  m.bank = 10;
  q.autoplaymode = 10;
  scriptLosingSpin();
  machine.key(32);
  EXPECT_TRUE(q.pannomoney.visible);
  EXPECT_EQ(machine.platform.sound.count(103), 1);
  EXPECT_EQ(q.autoplaymode, 10);
  EXPECT_EQ(m.games, 0);
  EXPECT_EQ(m.bank, 10);
}

TEST_F(Controls, AutoplayNoticeAppearsOnlyOnTheFirstSwitchOnOfAStore) {
  scriptLosingSpin();
  pressButton(q.autoplayon);
  auto& shown = machine.platform.messages.shown;
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text,
            " ..............PLEASE READ.................\r"
            " When you use this function all other Functions are\r"
            "   unavailable to you until you turn the Autoplay OFF \r"
            " To turn Autoplay OFF Click on the Auto On/Off button.\r"
            "  \r"
            "  This message will not appear again");
  EXPECT_EQ(shown[0].title, "Slots_quov");
  EXPECT_EQ(shown[0].icon, MsgIcon::Information);
  EXPECT_EQ(shown[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(machine.platform.store.read("quovslot", "notice", "autoplay"), "-1");
  EXPECT_EQ(m.games, 1) << "the first autoplay spin starts at once";
  EXPECT_EQ(q.autoplaymode, 10);
  EXPECT_TRUE(q.tmrautospin.enabled());
  EXPECT_FALSE(q.btnbet.enabled);

  // Another run on the same store, with another player's slot.
  HeadlessMachine again;
  again.platform.store.values = machine.platform.store.values;
  again.platform.store.write("quovslot", "player1", "currentplayer", "Ona");
  again.start();
  again.advance(100);
  const Stops& s = losingStops();
  again.scriptSpin({s[0], s[1], s[2], s[3], s[4]});
  again.cabinet.controls().autoplayon_mousedown();
  EXPECT_TRUE(again.platform.messages.shown.empty());
  EXPECT_EQ(again.quov.autoplaymode, 10);
}

TEST_F(Controls, AutoplaySwitchedOnWithTooLittleCreditStopsAtOnce) {
  m.bank = 10;
  machine.cabinet.controls().autoplayon_mousedown();
  EXPECT_TRUE(q.pannomoney.visible);
  EXPECT_EQ(q.autoplaymode, 0);
  EXPECT_EQ(machine.cabinet.controls().state().autotoggle, 1);
  EXPECT_EQ(m.games, 0);
  EXPECT_FALSE(q.btnspin.enabled);

  // The next press turns the switch off once more and gives the buttons back.
  machine.cabinet.controls().autoplayon_mousedown();
  EXPECT_EQ(machine.cabinet.controls().state().autotoggle, 0);
  EXPECT_FALSE(q.tmrautospin.enabled());
  EXPECT_TRUE(q.btnopenmenu.enabled);
  EXPECT_TRUE(q.btnoptions.enabled);
}

TEST_F(Controls, AutoplayTimerPressesOnlyAfterThePause) {
  q.autoplaymode = 10;
  q.autopause = 30;
  q.idleticks = 29;
  scriptLosingSpin();
  machine.cabinet.controls().tmrautospin_tick();
  EXPECT_EQ(m.games, 0);
  EXPECT_EQ(q.idleticks, 29);

  q.idleticks = 30;
  machine.cabinet.controls().tmrautospin_tick();
  EXPECT_EQ(m.games, 1);

  q.autoplaymode = 0;
  q.idleticks = 100;
  scriptLosingSpin();
  machine.cabinet.controls().tmrautospin_tick();
  EXPECT_EQ(m.games, 1) << "no presses with autoplay off";
}

TEST_F(Controls, AutoplayPlaysOnUntilSwitchedOff) {
  machine.cabinet.controls().autoplayon_mousedown();
  machine.advance(60000);
  EXPECT_GE(m.games, 5);
  machine.cabinet.controls().autoplayon_mousedown();
  ASSERT_TRUE(machine.settle());
  const std::int32_t games = m.games;
  machine.advance(20000);
  EXPECT_EQ(m.games, games);
  EXPECT_FALSE(q.tmrautospin.enabled());
}

TEST_F(Controls, BetPressWhileTheReelsTurnIsIgnored) {
  m.bank = 25;
  int presses = 0;
  machine.platform.loop.onSleep = [&](int) {
    if (presses++ == 0) machine.cabinet.controls().btnbet_mousedown();
  };
  spinLosing();
  ASSERT_GT(presses, 0);
  EXPECT_EQ(q.betlevel, 1);
  EXPECT_EQ(q.betperline, 1);
  EXPECT_EQ(q.lblbet.caption, "1");
  EXPECT_EQ(m.bank, 0);
}

TEST_F(Controls, AutoplaySwitchedOffWhileTheReelsTurnLeavesTheSpinItsControls) {
  bool checked = false;
  machine.platform.loop.onSleep = [&](int) {
    if (checked || q.autoplaymode != 10) return;
    checked = true;
    machine.cabinet.controls().autoplayon_mousedown();
    EXPECT_EQ(q.autoplaymode, 0);
    EXPECT_FALSE(q.btnspin.enabled) << "no second spin press while the reels turn";
    EXPECT_FALSE(q.inputAllowed());
  };
  scriptLosingSpin();
  machine.cabinet.controls().autoplayon_mousedown();
  ASSERT_TRUE(checked);
  EXPECT_TRUE(q.btnspin.enabled) << "the spin press gives the controls back at its end";
  EXPECT_TRUE(q.btnopenmenu.enabled);
  EXPECT_FALSE(q.tmrautospin.enabled());
  ASSERT_TRUE(machine.settle());
  EXPECT_EQ(m.games, 1);
}

}  // namespace
}  // namespace quov
