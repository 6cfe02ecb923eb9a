// The menu panel, the side screens it leads to, the payline view, the
// refresher of the picture buttons and the offer pop-up.
#include <gtest/gtest.h>

#include "engine/gamble.h"
#include "machine_fixture.h"
#include "outcomes.h"
#include "presentation/line_flash.h"
#include "screens/help_screen.h"

namespace quov {
namespace {

using testing::findStops;
using testing::MachineTest;
using testing::Stops;

const Stops& losingStops() {
  static const Stops s = *findStops(25, testing::losing);
  return s;
}
const Stops& winningStops() {
  static const Stops s = *findStops(25, testing::plainLineWin);
  return s;
}

class Menu : public MachineTest {
 protected:
  void scriptLosingSpin() {
    const Stops& s = losingStops();
    machine.scriptSpin({s[0], s[1], s[2], s[3], s[4]});
  }
  void spinLosing() {
    scriptLosingSpin();
    machine.pressSpin();
    ASSERT_TRUE(machine.settle());
  }
  void spinWinning() {
    const Stops& s = winningStops();
    spin({s[0], s[1], s[2], s[3], s[4]});
    ASSERT_GT(q.spinwin, 0);
  }
  void openMenu() {
    q.screen.mouseMove(&q.btnopenmenu);
    ASSERT_TRUE(q.menupic.visible);
  }
  void enterPaylineView() {
    openMenu();
    ASSERT_TRUE(machine.click(q.viewpaylines));
  }
  void leavePaylineView() { ASSERT_TRUE(machine.click(q.Btnreturn2game)); }
  // Starts a free-spin series as far as the menu can tell.
  void inFreeSpins() { q.freespinmode = -1; }
  bool anyFrameShown() const {
    for (int c = 1; c <= 15; ++c)
      if (q.flasher[c].visible) return true;
    return false;
  }
  bool anySegmentShown() const {
    for (int e = 1; e <= 6; ++e)
      if (q.Lineflash[e].visible) return true;
    return false;
  }
  QuovOptions& options() { return machine.cabinet.quovoptions; }
  QuovPays& pays() { return machine.cabinet.quovpays; }
  AboutQuov& aboutScreen() { return machine.cabinet.aboutquov; }
  PopupQuov& popup() { return machine.cabinet.popupquov; }
};

TEST_F(Menu, PanelOpensOverMenuOutsideFreeSpinsAndClosesOnTheBareBackground) {
  ASSERT_FALSE(q.menupic.visible);
  q.screen.mouseMove(&q.btnopenmenu);
  EXPECT_TRUE(q.menupic.visible);
  // Moving over the panel, its buttons or other elements keeps it open.
  q.screen.mouseMove(&q.menupic);
  q.screen.mouseMove(&q.about);
  q.screen.mouseMove(&q.btnspin);
  EXPECT_TRUE(q.menupic.visible);
  q.screen.mouseMove(nullptr);
  EXPECT_FALSE(q.menupic.visible);

  inFreeSpins();
  q.screen.mouseMove(&q.btnopenmenu);
  EXPECT_FALSE(q.menupic.visible);
}

TEST_F(Menu, DuringFreeSpinsAboutAndPaytableDoNothingButViewPaylinesWorks) {
  m.soundonoff = -1;
  openMenu();
  inFreeSpins();
  ASSERT_TRUE(machine.click(q.about));
  ASSERT_TRUE(machine.click(q.mnuviewpaytable));
  EXPECT_FALSE(aboutScreen().screen.visible);
  EXPECT_FALSE(pays().screen.visible);
  EXPECT_TRUE(q.screen.enabled);
  EXPECT_TRUE(q.menupic.visible);
  EXPECT_EQ(machine.platform.sound.count(128), 0);

  ASSERT_TRUE(machine.click(q.viewpaylines));
  EXPECT_TRUE(q.Btnreturn2game.visible);
  EXPECT_FALSE(q.Picture[3].visible);
  EXPECT_FALSE(q.menupic.visible);
  EXPECT_EQ(machine.platform.sound.count(128), 1);
}

TEST_F(Menu, OptionsDoNothingUnderAutoplayOrWhileTheGamblePanelShows) {
  // Autoplay: each evaluation enables the options button again, so the
  // press reaches the handler, which refuses it.
  scriptLosingSpin();
  ASSERT_TRUE(machine.click(q.autoplayon));
  ASSERT_EQ(q.autoplaymode, 10);
  ASSERT_TRUE(q.btnoptions.enabledOnScreen());
  ASSERT_TRUE(machine.click(q.btnoptions));
  EXPECT_TRUE(q.screen.enabled);
  EXPECT_FALSE(options().screen.visible);
  ASSERT_TRUE(machine.click(q.autoplayon));
  ASSERT_TRUE(machine.settle());

  spinWinning();
  ASSERT_TRUE(machine.click(q.doublebutton));
  ASSERT_TRUE(machine.engine.gamble().open());
  ASSERT_TRUE(machine.click(q.btnoptions));
  EXPECT_TRUE(q.screen.enabled);
  EXPECT_FALSE(options().screen.visible);
}

TEST_F(Menu, OptionsTakeTheMainScreensInputAndShowTheOptionsScreen) {
  m.soundonoff = -1;
  ASSERT_TRUE(machine.click(q.btnoptions));
  EXPECT_TRUE(options().screen.visible);
  EXPECT_FALSE(q.screen.enabled);
  EXPECT_FALSE(q.doublebutton.enabled);
  EXPECT_EQ(machine.platform.sound.ids(), (std::vector<int>{130}));
  // The main screen now takes no input at all.
  q.screen.mouseMove(&q.btnopenmenu);
  EXPECT_FALSE(q.menupic.visible);
  scriptLosingSpin();
  q.screen.click(q.btnspin);
  EXPECT_EQ(m.games, 0);
}

TEST_F(Menu, PaytableTakesTheMainScreensInputAndAboutLeavesIt) {
  m.soundonoff = -1;
  q.pannomoney.show();
  openMenu();
  ASSERT_TRUE(machine.click(q.about));
  EXPECT_TRUE(aboutScreen().screen.visible);
  EXPECT_TRUE(q.screen.enabled);
  EXPECT_FALSE(q.menupic.visible);

  openMenu();
  ASSERT_TRUE(machine.click(q.mnuviewpaytable));
  EXPECT_TRUE(pays().screen.visible);
  EXPECT_FALSE(q.screen.enabled);
  EXPECT_FALSE(q.menupic.visible);
  EXPECT_FALSE(q.pannomoney.visible);
  EXPECT_EQ(machine.platform.sound.count(128), 2);
}

TEST_F(Menu, HelpOpensBesideAPlayingCabinetEvenInFreeSpins) {
  m.soundonoff = -1;
  QuovHelp& help = machine.cabinet.quovhelp;
  openMenu();
  // HELP stands above ABOUT and the panel still reaches MENU.
  EXPECT_LT(q.mnuhelp.screenTop() + q.mnuhelp.height, q.about.screenTop());
  EXPECT_GT(q.menupic.screenTop() + q.menupic.height, q.btnopenmenu.screenTop());
  ASSERT_TRUE(machine.click(q.mnuhelp));
  EXPECT_TRUE(help.screen.visible);
  EXPECT_TRUE(q.screen.enabled);
  EXPECT_FALSE(q.menupic.visible);
  EXPECT_EQ(machine.platform.sound.count(128), 1);
  help.screen.click(help.btnhelpreturn);
  EXPECT_FALSE(help.screen.visible);

  openMenu();
  inFreeSpins();
  ASSERT_TRUE(machine.click(q.mnuhelp));
  EXPECT_TRUE(help.screen.visible);
}

TEST_F(Menu, ChartsOpenTheCurrentPlayersStatisticsBesideAPlayingCabinet) {
  m.soundonoff = -1;
  std::vector<std::pair<int, int>> wanted;
  options().chartsWanted = [&](int slot, int machinepay) { wanted.emplace_back(slot, machinepay); };
  openMenu();
  // CHARTS stands between HELP and ABOUT, clear of both, inside the panel.
  EXPECT_LT(q.mnuhelp.screenTop() + q.mnuhelp.height, q.mnucharts.screenTop());
  EXPECT_LT(q.mnucharts.screenTop() + q.mnucharts.height, q.about.screenTop());
  EXPECT_GE(q.mnucharts.left, 0);
  EXPECT_LE(q.mnucharts.left + q.mnucharts.width, q.menupic.width);
  EXPECT_GT(q.mnuhelp.top, 0);
  EXPECT_GT(q.menupic.screenTop(), 0) << "the grown panel stays on the cabinet";
  ASSERT_TRUE(machine.click(q.mnucharts));
  EXPECT_EQ(wanted, (std::vector<std::pair<int, int>>{{1, m.machinepay}}));
  EXPECT_TRUE(q.screen.enabled) << "the cabinet plays on beside the charts";
  EXPECT_FALSE(q.menupic.visible);
  EXPECT_EQ(machine.platform.sound.count(128), 1);

  // Another player's slot, at another setting, in free spins.
  m.playerslot = "4";
  m.machinepay = 3;
  openMenu();
  inFreeSpins();
  ASSERT_TRUE(machine.click(q.mnucharts));
  EXPECT_EQ(wanted.back(), (std::pair<int, int>{4, 3}));
}

TEST_F(Menu, PaylineViewPutsTheReelsAwayAndTheReturnBringsThemBack) {
  enterPaylineView();
  for (int r = 1; r <= 5; ++r) {
    EXPECT_FALSE(q.reel[r].visible) << r;
    EXPECT_FALSE(q.Picture[r].visible) << r;
  }
  EXPECT_FALSE(q.panfreespin.visible);
  for (int k = 1; k <= 26; ++k) EXPECT_TRUE(q.lin[k].visible && q.lin[k].enabled) << k;
  EXPECT_TRUE(q.Btnreturn2game.visible);
  EXPECT_FALSE(q.menupic.visible);

  q.screen.mouseMove(&q.lin[9]);
  ASSERT_TRUE(anySegmentShown());
  leavePaylineView();
  for (int r = 1; r <= 5; ++r) {
    EXPECT_TRUE(q.reel[r].visible) << r;
    EXPECT_TRUE(q.Picture[r].visible) << r;
  }
  EXPECT_TRUE(q.panfreespin.visible);
  EXPECT_FALSE(q.Btnreturn2game.visible);
  EXPECT_FALSE(anySegmentShown());
  for (int k = 1; k <= 25; ++k) EXPECT_TRUE(q.lin[k].visible && !q.lin[k].enabled) << k;
  EXPECT_TRUE(q.lin[26].visible && q.lin[26].enabled);
}

TEST_F(Menu, PaylineViewStopsTheFlashingAndTheReturnResumesTheSameLines) {
  spinWinning();
  ASSERT_TRUE(machine.runUntil([&] { return anyFrameShown(); }, 5000, 1));
  ASSERT_TRUE(q.tmrlineflash.enabled());
  const LineFlashState& flash = machine.cabinet.lineFlash().state();
  const LineFlashState before = flash;
  ASSERT_GT(q.winline[before.flashpos], 0);
  ASSERT_LT(before.flashcount, 5) << "frames never show on a line's last tick";

  enterPaylineView();
  EXPECT_FALSE(q.tmrlineflash.enabled());
  EXPECT_FALSE(anyFrameShown());
  EXPECT_FALSE(anySegmentShown());
  const auto ticks = q.tmrlineflash.ticks;
  machine.advance(3000);
  EXPECT_EQ(q.tmrlineflash.ticks, ticks);

  leavePaylineView();
  EXPECT_TRUE(q.tmrlineflash.enabled());
  EXPECT_FALSE(anyFrameShown());
  ASSERT_TRUE(machine.runUntil([&] { return q.tmrlineflash.ticks == ticks + 1; }, 1000, 1));
  // One tick on from where it stopped: the same line, its next tick.
  EXPECT_EQ(flash.flashpos, before.flashpos);
  EXPECT_EQ(flash.flashcount, before.flashcount + 1);
  EXPECT_GT(q.winline[flash.flashpos], 0);
}

TEST_F(Menu, ASeriesWaitingForItsCollectGetsItsCollectBackAfterThePaylineView) {
  const Stops trigger = *findStops(25, [](const testing::Outcome& o) {
    return o.readout.scattercount == 3 && testing::noWild(o);
  });
  machine.scriptSpin({trigger[0], trigger[1], trigger[2], trigger[3], trigger[4]});
  machine.pressSpin();
  ASSERT_TRUE(machine.runUntil([&] { return q.takewin.visible; }, 30 * 60 * 1000, 50));
  machine.advance(300);  // the picture buttons come back, MENU among them
  const std::int32_t series = q.freespinwin, bank = m.bank;
  ASSERT_GT(series, 0);

  enterPaylineView();
  EXPECT_FALSE(q.takewin.visible);
  leavePaylineView();
  EXPECT_TRUE(q.takewin.visible && q.takewin.enabled);
  EXPECT_FALSE(q.panfreespin.visible) << "no spin before the collect: it would drop the total";
  scriptLosingSpin();
  machine.key(32);
  machine.advance(200);
  EXPECT_EQ(q.freespinwin, series);
  ASSERT_TRUE(machine.click(q.takewin));
  EXPECT_EQ(m.bank, bank + series);
  EXPECT_TRUE(q.panfreespin.visible);
}

TEST_F(Menu, LeavingThePaylineViewRestartsAutoplayOnlyWhenItIsOn) {
  enterPaylineView();
  leavePaylineView();
  EXPECT_FALSE(q.tmrautospin.enabled());

  // The panel stays open while autoplay is switched on.
  openMenu();
  scriptLosingSpin();
  ASSERT_TRUE(machine.click(q.autoplayon));
  ASSERT_EQ(m.games, 1);
  ASSERT_TRUE(machine.click(q.viewpaylines));
  EXPECT_FALSE(q.tmrautospin.enabled());
  machine.advance(20000);
  EXPECT_EQ(m.games, 1) << "no autoplay presses in the payline view";

  for (int i = 0; i < 3; ++i) scriptLosingSpin();
  leavePaylineView();
  EXPECT_TRUE(q.tmrautospin.enabled());
  ASSERT_TRUE(machine.runUntil([&] { return m.games > 1; }, 20000));
}

TEST_F(Menu, KeysStartNoSpinInThePaylineViewAndWorkAgainAfterIt) {
  enterPaylineView();
  scriptLosingSpin();
  machine.key(32);
  EXPECT_EQ(q.keycount, 0) << "with key preview off the key never reaches the handler";
  machine.advance(200);
  EXPECT_EQ(m.games, 0);

  leavePaylineView();
  machine.advance(100);
  machine.key(32);
  ASSERT_TRUE(machine.settle());
  EXPECT_EQ(m.games, 1);

  // Once the idle ticker has allowed input again, a key reaches the
  // handler, which swallows it while the control bar is away.
  enterPaylineView();
  machine.advance(200);
  scriptLosingSpin();
  machine.key(32);
  machine.advance(200);
  EXPECT_EQ(m.games, 1);
  EXPECT_EQ(m.bank, 100000 - 25);
}

TEST_F(Menu, PictureButtonsComeBackWithinTwoTenthsOfASecondWhateverHidThem) {
  // The gamble button hides itself on its press and has no release.
  spinWinning();
  ASSERT_TRUE(q.doublebutton.enabledOnScreen());
  q.screen.mouseDown(q.doublebutton);
  ASSERT_TRUE(machine.engine.gamble().open());
  EXPECT_FALSE(q.doublebutton.visible);
  machine.advance(200);
  EXPECT_TRUE(q.doublebutton.visible);

  Element* five[] = {&q.btnoptions, &q.btnopenmenu, &q.autoplayon, &q.doublebutton, &q.btnspin};
  for (Element* e : five) e->hide();
  machine.advance(200);
  for (Element* e : five) EXPECT_TRUE(e->visible) << e->name;
}

TEST_F(Menu, TheTwentyFifthLosingSpinOffersRealMoneyAndBothWaysBackReturn) {
  for (int i = 0; i < 24; ++i) spinLosing();
  EXPECT_TRUE(q.screen.visible);
  EXPECT_FALSE(popup().screen.visible);
  spinLosing();
  EXPECT_FALSE(q.screen.visible);
  EXPECT_TRUE(popup().screen.visible);
  EXPECT_EQ(m.popupcount, 0);

  popup().screen.click(popup().SSCommand2);
  EXPECT_TRUE(q.screen.visible);
  EXPECT_FALSE(popup().screen.visible);

  for (int i = 0; i < 25; ++i) spinLosing();
  ASSERT_TRUE(popup().screen.visible);
  popup().screen.closeRequest();
  EXPECT_TRUE(q.screen.visible);
  EXPECT_FALSE(popup().screen.visible);
}

TEST_F(Menu, TheOfferSwitchesAutoplayOff) {
  m.popupcount = 24;
  scriptLosingSpin();
  ASSERT_TRUE(machine.click(q.autoplayon));
  EXPECT_TRUE(popup().screen.visible);
  EXPECT_EQ(q.autoplaymode, 0);
}

}  // namespace
}  // namespace quov
