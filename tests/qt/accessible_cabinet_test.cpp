// The painted cabinet as assistive technology reads it, offscreen: its
// buttons, meters, reels and announcements, and the same cabinet by its
// keys and tooltips through real Qt events. (Offscreen no reader listens,
// so Qt sends no accessibility events: atspi_test.sh hears them on a real
// bus.)
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

#include "cabinet/announcer.h"
#include "engine/gamble.h"
#include "tests/qt/desktop_fixture.h"

namespace quov::test {
namespace {

class AccessibleCabinet : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    start();
    machine->syncWindows();
  }
  QAccessibleInterface* root() { return QAccessible::queryAccessibleInterface(&machine->canvas); }
  // The child whose name starts with `name`, or null.
  QAccessibleInterface* find(const QString& name) {
    QAccessibleInterface* r = root();
    for (int i = 0; i < r->childCount(); ++i)
      if (QAccessibleInterface* c = r->child(i); c->text(QAccessible::Name).startsWith(name))
        return c;
    return nullptr;
  }
};

TEST_F(AccessibleCabinet, ButtonsAreNamedPushButtonsEnabledOrNotAndOnlyWhileShown) {
  ASSERT_NE(root(), nullptr);
  EXPECT_EQ(root()->role(), QAccessible::Window);
  QAccessibleInterface* spin = find("SPIN");
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(spin->role(), QAccessible::Button);
  EXPECT_FALSE(spin->state().disabled);
  EXPECT_EQ(spin->text(QAccessible::Description), "Spin (Space)");
  QAccessibleInterface* gamble = find("GAMBLE");
  ASSERT_NE(gamble, nullptr);
  EXPECT_TRUE(gamble->state().disabled) << "nothing won to gamble";
  EXPECT_NE(find("INSERT CREDIT"), nullptr);
  EXPECT_EQ(find("RED"), nullptr) << "the gamble panel is closed";
  EXPECT_EQ(find("ABOUT"), nullptr) << "the menu is closed";
  EXPECT_EQ(root()->childAt(machine->canvas.mapToGlobal(centre(machine->quov.btnspin)).x(),
                            machine->canvas.mapToGlobal(centre(machine->quov.btnspin)).y()),
            spin);

  // M opens the menu from the keyboard: its items appear, the first chosen.
  QTest::keyClick(&machine->canvas, Qt::Key_M);
  QAccessibleInterface* help = find("HELP");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->state().focused);
  QAccessibleInterface* about = find("ABOUT");
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(about->state().focused);
  EXPECT_NE(find("VIEW PAYLINES"), nullptr);
  QAccessibleInterface* charts = find("CHARTS");
  ASSERT_NE(charts, nullptr);
  EXPECT_EQ(charts->role(), QAccessible::Button);
  EXPECT_FALSE(charts->state().disabled);
  // Down walks from HELP to CHARTS.
  QTest::keyClick(&machine->canvas, Qt::Key_Down);
  EXPECT_TRUE(find("CHARTS")->state().focused);
  QTest::keyClick(&machine->canvas, Qt::Key_Escape);
  EXPECT_EQ(find("ABOUT"), nullptr);
}

TEST_F(AccessibleCabinet, TheMetersReadTheirValuesAndThePressActionIsAClick) {
  QAccessibleInterface* credit = find("Credit");
  ASSERT_NE(credit, nullptr);
  EXPECT_EQ(credit->role(), QAccessible::StaticText);
  const QString before = credit->text(QAccessible::Value);
  EXPECT_EQ(credit->text(QAccessible::Name), "Credit: " + before);
  for (const char* meter : {"Win", "Stake: $ 0.25", "Bet per line: 1", "Lines: 25",
                            "Grand jackpot: $ 2000", "Major jackpot", "Minor jackpot"})
    EXPECT_NE(find(meter), nullptr) << meter;

  QAccessibleInterface* coin = find("INSERT CREDIT");
  ASSERT_NE(coin, nullptr);
  ASSERT_NE(coin->actionInterface(), nullptr);
  EXPECT_EQ(coin->actionInterface()->actionNames(),
            QStringList{QAccessibleActionInterface::pressAction()});
  coin->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(machine->mod.amountinvested, 5000);
  EXPECT_NE(find("Credit")->text(QAccessible::Value), before);

  // A switched-off button ignores the reader's press as it ignores a click.
  find("GAMBLE")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_FALSE(machine->cabinet.engine.gamble().open());
}

TEST_F(AccessibleCabinet, TheReelsReadTheirSymbolsAndNoMoneyIsAnnounced) {
  QAccessibleInterface* reels = find("Reels");
  ASSERT_NE(reels, nullptr);
  EXPECT_EQ(reels->role(), QAccessible::Graphic);
  EXPECT_TRUE(reels->text(QAccessible::Description).startsWith("Reel 1: "));
  EXPECT_TRUE(reels->text(QAccessible::Description).contains("Reel 5: "));

  QAccessibleInterface* status = nullptr;
  for (int i = 0; i < root()->childCount(); ++i)
    if (root()->child(i)->role() == QAccessible::StatusBar) status = root()->child(i);
  ASSERT_NE(status, nullptr);
  machine->mod.bank = 0;
  machine->quov.setInputAllowed(true);
  QTest::keyClick(&machine->canvas, Qt::Key_Space);
  EXPECT_EQ(status->text(QAccessible::Name),
            "No money: the credit does not cover the bet. Insert credit.");
}

TEST_F(AccessibleCabinet, KeysWorkTheirControlsAndTooltipsNameThem) {
  const auto credit = machine->mod.bank;
  QTest::keyClick(&machine->canvas, Qt::Key_C);
  EXPECT_EQ(machine->mod.bank, credit + 5000);
  QTest::keyClick(&machine->canvas, Qt::Key_L);
  EXPECT_EQ(machine->quov.linesplayed, 1);

  machine->canvas.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&machine->canvas));
  const QPoint at = centre(machine->quov.coinsin);
  QHelpEvent help(QEvent::ToolTip, at, machine->canvas.mapToGlobal(at));
  QApplication::sendEvent(&machine->canvas, &help);
  EXPECT_EQ(QToolTip::text(), "Insert 50 dollars of credit (C)");

  // In full screen Escape closes the open menu first, then leaves full screen.
  QTest::keyClick(&machine->canvas, Qt::Key_F11);
  QTest::keyClick(&machine->canvas, Qt::Key_M);
  ASSERT_TRUE(machine->quov.menupic.visible);
  QTest::keyClick(&machine->canvas, Qt::Key_Escape);
  EXPECT_FALSE(machine->quov.menupic.visible);
  EXPECT_TRUE(machine->canvas.isFullScreen());
  QTest::keyClick(&machine->canvas, Qt::Key_Escape);
  EXPECT_FALSE(machine->canvas.isFullScreen());
}

}  // namespace
}  // namespace quov::test
