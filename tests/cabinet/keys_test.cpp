// The cabinet played by its keys alone: each key works its control as a
// click does, and a control that is away or switched off ignores its key.
#include <gtest/gtest.h>

#include "cabinet/control_keys.h"
#include "engine/gamble.h"
#include "machine_fixture.h"
#include "outcomes.h"
#include "rules/gamble.h"

namespace quov {
namespace {

using testing::findStops;
using testing::MachineTest;
using testing::Outcome;
using testing::Stops;

class Keys : public MachineTest {
 protected:
  void scriptStops(const Stops& s) { machine.scriptSpin({s[0], s[1], s[2], s[3], s[4]}); }
  static const Stops& losingStops() {
    static const Stops s = *findStops(25, testing::losing);
    return s;
  }
  // Two scatters and no line: a win on any lines and bet, then the gamble.
  static const Stops& scatterWinStops() {
    static const Stops s = *findStops(25, [](const Outcome& o) {
      return o.readout.scattercount == 2 && o.lineWin == 0 && testing::noWild(o);
    });
    return s;
  }
  // Waits until the player's buttons are back after a spin.
  void waitForButtons() {
    ASSERT_TRUE(machine.runUntil([this] { return q.autoplayon.enabled && q.tmrtick.enabled(); },
                                 60000));
  }
};

TEST_F(Keys, AWholeRoundPlayedByKeysAlone) {
  const auto credit = m.bank;
  machine.key('c');
  EXPECT_EQ(m.bank, credit + 5000);
  EXPECT_TRUE(q.coinsin.visible) << "the key's release shows the button again";

  const int lineCycle[] = {1, 5, 10, 15, 25};
  for (int lines : lineCycle) {
    machine.key('L');
    EXPECT_EQ(q.linesplayed, lines);
    EXPECT_EQ(q.lbllines.caption, std::to_string(lines));
  }
  machine.key('b');
  EXPECT_EQ(q.betperline, 2);
  EXPECT_EQ(q.lbltotallast.caption, "$ 0.5");

  // The shortcuts are not the key handler's keys: the space bar still spins.
  scriptStops(scatterWinStops());
  machine.key(' ');
  EXPECT_EQ(m.games, 1);
  EXPECT_EQ(q.spinwin, 50) << "two scatters pay the total bet";
  ASSERT_TRUE(machine.settle());
  ASSERT_TRUE(machine.runUntil([this] { return q.doublebutton.shownOnScreen(); }, 1000));

  const auto beforeGamble = m.bank;
  machine.key('g');
  ASSERT_TRUE(machine.engine.gamble().open());
  EXPECT_EQ(machine.engine.gamble().atRisk(), 50);
  machine.platform.random.push(kDiamonds);
  machine.key('r');
  EXPECT_EQ(machine.engine.gamble().atRisk(), 100) << "red won";
  machine.key('t');
  EXPECT_FALSE(machine.engine.gamble().open());
  EXPECT_EQ(m.bank, beforeGamble + 50);

  machine.advance(100);
  machine.key('a');
  EXPECT_EQ(q.autoplaymode, 10);
  EXPECT_TRUE(machine.runUntil([this] { return m.games == 3; }, 60000)) << "autoplay spins";
  waitForButtons();
  machine.key('a');
  EXPECT_EQ(q.autoplaymode, 0);
  ASSERT_TRUE(machine.settle());
  EXPECT_TRUE(q.btnspin.enabled);
  EXPECT_TRUE(q.btnoptions.enabled);

  machine.key('o');
  EXPECT_TRUE(machine.cabinet.quovoptions.screen.visible);
  EXPECT_FALSE(q.screen.enabled);
  machine.key('c');
  EXPECT_EQ(m.amountinvested, 5000) << "the cabinet waits while the options are open";
  machine.cabinet.quovoptions.screen.closeRequest();  // the window's Escape or close control
  EXPECT_FALSE(machine.cabinet.quovoptions.screen.visible);
  EXPECT_TRUE(q.screen.enabled);
  machine.key('C');
  EXPECT_EQ(m.amountinvested, 10000);
}

TEST_F(Keys, AKeyOnAControlThatIsAwayOrSwitchedOffDoesNothing) {
  const auto credit = m.bank;
  ASSERT_FALSE(q.doublebutton.enabled) << "nothing won yet";
  machine.key('g');
  EXPECT_FALSE(machine.engine.gamble().open());
  for (int k : {'r', 'k', '1', '2', '3', '4', 't'}) machine.key(k);
  EXPECT_EQ(m.bank, credit);
  EXPECT_TRUE(q.inputAllowed()) << "a control's key never reaches the key handler";
  EXPECT_EQ(q.keycount, 0);

  q.payline.disable();
  machine.key('l');
  EXPECT_EQ(q.linesplayed, 25);
  q.payline.enable();

  q.panfreespin.hide();  // the control bar away carries its buttons with it
  machine.key('c');
  machine.key('b');
  EXPECT_EQ(m.bank, credit);
  EXPECT_EQ(q.betperline, 1);
  q.panfreespin.show();

  // Autoplay switches off OPTIONS and MENU.
  scriptStops(losingStops());
  machine.key('a');
  ASSERT_EQ(q.autoplaymode, 10);
  machine.key('o');
  machine.key('m');
  EXPECT_FALSE(machine.cabinet.quovoptions.screen.visible);
  EXPECT_FALSE(q.menupic.visible);
}

TEST_F(Keys, AfterAControlsKeyTheSpaceBarStillSpinsButAnyOtherKeyHoldsIt) {
  machine.key('b');
  scriptStops(losingStops());
  machine.key(' ');
  EXPECT_EQ(m.games, 1);
  ASSERT_TRUE(machine.settle());

  machine.key('x');  // not a control's key: the key handler counts it
  machine.advance(100);
  scriptStops(losingStops());
  machine.key(' ');
  EXPECT_EQ(m.games, 1);
}

TEST_F(Keys, AHeldKeyWorksItsControlOnce) {
  const auto credit = m.bank;
  quov::KeyStroke held{'c'};
  held.repeat = true;
  q.screen.keyDown({'c'});
  q.screen.keyDown(held);
  q.screen.keyDown(held);
  EXPECT_EQ(m.bank, credit + 5000);
  EXPECT_EQ(q.keycount, 0) << "the repeats are the control's too";
}

TEST_F(Keys, TheMenuIsOpenedWalkedAndClosedByKeys) {
  machine.key('m');
  ASSERT_TRUE(q.menupic.visible);
  EXPECT_EQ(q.screen.focus, &q.mnuhelp) << "the first item";
  machine.key(NamedKey::Up);
  EXPECT_EQ(q.screen.focus, &q.lastgames) << "round to the last";
  machine.key(NamedKey::Down);
  EXPECT_EQ(q.screen.focus, &q.mnuhelp) << "round to the first";
  machine.key(NamedKey::Down);
  EXPECT_EQ(q.screen.focus, &q.mnucharts);
  machine.key(NamedKey::Down);
  EXPECT_EQ(q.screen.focus, &q.about);
  machine.key(NamedKey::Down);
  machine.key(NamedKey::Down);
  EXPECT_EQ(q.screen.focus, &q.viewpaylines);
  machine.key(NamedKey::Enter);
  EXPECT_TRUE(q.Btnreturn2game.visible) << "the payline view";
  EXPECT_FALSE(q.menupic.visible);

  const auto credit = m.bank;
  machine.key('c');
  EXPECT_EQ(m.bank, credit) << "the control bar is away in the payline view";
  machine.key(NamedKey::Escape);
  EXPECT_FALSE(q.Btnreturn2game.visible);
  EXPECT_TRUE(q.panfreespin.visible);
  EXPECT_TRUE(q.screen.keyPreview);

  machine.key('m');
  ASSERT_TRUE(q.menupic.visible);
  machine.key(NamedKey::Escape);
  EXPECT_FALSE(q.menupic.visible);
  EXPECT_TRUE(q.screen.keyPreview);
  EXPECT_EQ(q.keycount, 0);

  // With nothing to close, Escape is a key like any other for the handler.
  machine.key(NamedKey::Escape);
  EXPECT_EQ(q.keycount, 1);
}

TEST_F(Keys, DuringFreeSpinsTheMenuStaysShut) {
  q.freespinmode = -1;
  machine.key('m');
  EXPECT_FALSE(q.menupic.visible);
  machine.key(NamedKey::Down);
  EXPECT_EQ(q.screen.focus, nullptr);
}

TEST(ControlKeyTable, EveryKeyNamesAControlOfTheCabinetAndItsTooltipSaysTheKey) {
  HeadlessMachine machine;
  for (const ControlKey& key : controlKeys()) {
    const Element* e = machine.quov.screen.find(key.element, key.index);
    ASSERT_NE(e, nullptr) << key.element;
    if (key.work == KeyWork::Click || key.work == KeyWork::PointOver ||
        key.work == KeyWork::KeyHandler) {
      EXPECT_NE(e->toolTip.find(std::string("(") + key.keyName + ")"), std::string::npos)
          << key.element << ": " << e->toolTip;
    }
  }
  EXPECT_EQ(machine.quov.coinsin.toolTip, "Insert 50 dollars of credit (C)");
  EXPECT_EQ(machine.quov.btnspin.toolTip, "Spin (Space)");
  // Two controls share T and Escape; no other key works two.
  for (const ControlKey& a : controlKeys())
    for (const ControlKey& b : controlKeys())
      if (&a != &b && a.character == b.character && a.named == b.named) {
        EXPECT_TRUE(a.character == 'T' || a.named == NamedKey::Escape) << a.keyName;
      }
}

}  // namespace
}  // namespace quov
