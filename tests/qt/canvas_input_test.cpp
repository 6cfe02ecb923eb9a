// Pointer input through the real window: hit-tested in twips and delivered
// to the handlers; hidden, disabled or blocked elements get nothing.
#include <QTest>

#include "tests/qt/desktop_fixture.h"

namespace quov::test {
namespace {

class CanvasInput : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    writeIni("quovslot", "[player1]\nbank=5000\nreelspeed=10\n");
    start();
    machine->canvas.resize(1000, 1000);  // letterboxed: bars above and below
    QCoreApplication::processEvents();
  }
  Quov& q() { return machine->quov; }
};

TEST_F(CanvasInput, ClickOnSpinPlaysOneSpin) {
  // No jackpot time, then stops that lose on every line and show no scatter
  // pair: the spin takes its bet and nothing else.
  machine->random.push({2, 22, 8, 17, 1, 1});
  click(q().btnspin);
  EXPECT_EQ(machine->random.pending(), 0u);
  EXPECT_EQ(machine->mod.games, 1);
  EXPECT_EQ(machine->mod.wager, 25);
  EXPECT_EQ(machine->mod.total, 0);
  EXPECT_EQ(machine->mod.bank, 5000 - 25);
}

TEST_F(CanvasInput, HiddenDisabledOrBlockedSpinDoesNothing) {
  q().btnspin.hide();
  click(q().btnspin);
  q().btnspin.show();
  q().btnspin.disable();
  click(q().btnspin);
  q().btnspin.enable();
  q().screen.enabled = false;
  click(q().btnspin);
  EXPECT_EQ(machine->mod.games, 0);
}

TEST_F(CanvasInput, ReleaseAwayFromThePressedElementIsNoClick) {
  QTest::mousePress(&machine->canvas, Qt::LeftButton, {}, centre(q().btnspin));
  QTest::mouseRelease(&machine->canvas, Qt::LeftButton, {}, centre(q().coinsin));
  EXPECT_EQ(machine->mod.games, 0);
}

TEST_F(CanvasInput, ClickOnTheLetterboxBarHitsNothing) {
  // The bar below the screen, straight under the spin button.
  const QPoint under(centre(q().btnspin).x(), machine->canvas.height() - 5);
  clickAt(under);
  EXPECT_EQ(machine->mod.games, 0);
}

TEST_F(CanvasInput, CollectCreditsTheSeriesTotal) {
  q().freespinwin = 300;
  q().takewin.show();
  q().takewin.enable();
  click(q().takewin);
  EXPECT_EQ(machine->mod.bank, 5300);
  EXPECT_EQ(q().freespinwin, 0);
}

TEST_F(CanvasInput, CollectHiddenDoesNothing) {
  q().freespinwin = 300;
  q().takewin.enable();  // still hidden, as at start
  click(q().takewin);
  EXPECT_EQ(machine->mod.bank, 5000);
}

TEST_F(CanvasInput, ExitInsideTheMenuOnlyWhenTheMenuShows) {
  click(q().xit);  // the menu panel is hidden: its button is not there
  EXPECT_FALSE(machine->loop.ended());
  q().menupic.show();
  click(q().xit);
  EXPECT_TRUE(machine->loop.ended());
  EXPECT_EQ(storedValue("quovslot", "player1/bank"), "5000");
}

TEST_F(CanvasInput, CloseRequestRunsTheShutDown) {
  EXPECT_TRUE(machine->canvas.close());
  EXPECT_TRUE(machine->loop.ended());
  EXPECT_EQ(storedValue("quovslot", "player1/games"), "0");
  EXPECT_EQ(storedValue("quovslot", "player1/bank"), "5000");
}

}  // namespace
}  // namespace quov::test
