// The window's own keys: Ctrl+Q ends the game as the close control does,
// Escape leaves full screen without reaching the game; and the icon every
// window carries. (Where the window opens: window_place_test.cpp and, under
// a real window manager, desktop_session_test.sh.)
#include <QSettings>

#include "desktop/app_identity.h"
#include "tests/qt/desktop_fixture.h"

namespace quov::test {
namespace {

class DesktopKeys : public DesktopTest {
 protected:
  QString windowFile() const { return configFolder() + "/window.ini"; }
  void startShown() {
    start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&machine->canvas));
  }
  // The game takes keys now (the idle ticker would allow them next).
  void allowInput() { machine->quov.setInputAllowed(true); }
};

TEST_F(DesktopKeys, CtrlQEndsTheGameThroughItsShutDownAndSavesEverything) {
  startShown();
  machine->canvas.resize(640, 480);
  QTest::keyClick(&machine->canvas, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(machine->loop.ended());
  EXPECT_FALSE(machine->canvas.isVisible());
  // The records of a first run, written by the shut-down.
  EXPECT_EQ(storedValue("quovslot", "player1/machinepay"), "4");
  EXPECT_EQ(storedValue("quovslot", "player1/reelspeed"), "1");
  const QSettings window(windowFile(), QSettings::IniFormat);
  EXPECT_EQ(window.value("window/width").toInt(), 640);
  EXPECT_EQ(window.value("window/height").toInt(), 480);
}

TEST_F(DesktopKeys, QWithoutCtrlIsTheGamesKey) {
  startShown();
  allowInput();
  QTest::keyClick(&machine->canvas, Qt::Key_Q);
  EXPECT_FALSE(machine->loop.ended());
  EXPECT_TRUE(machine->quov.pannomoney.visible) << "the game's key handler saw the key";
}

TEST_F(DesktopKeys, EscapeLeavesFullScreenAndOnlyThen) {
  startShown();
  allowInput();
  QTest::keyClick(&machine->canvas, Qt::Key_F11);
  EXPECT_TRUE(machine->canvas.isFullScreen());
  QTest::keyClick(&machine->canvas, Qt::Key_Escape);
  EXPECT_FALSE(machine->canvas.isFullScreen());
  EXPECT_FALSE(machine->quov.pannomoney.visible) << "the window's key reached the game";
  // In a window, Escape is a key like any other, for the game to judge.
  QTest::keyClick(&machine->canvas, Qt::Key_Escape);
  EXPECT_TRUE(machine->quov.pannomoney.visible);
}

TEST(AppIcon, IsDrawnAtEverySizeFromTheProgramsOwnPicture) {
  const QIcon icon = appIcon();
  ASSERT_FALSE(icon.isNull());
  for (const int size : {16, 48, 256}) {
    const QImage image = icon.pixmap(size).toImage();
    EXPECT_EQ(image.size(), QSize(size, size));
    // Drawn, not blank: the cabinet's red body fills the middle.
    const QColor middle = image.pixelColor(size / 2, size * 3 / 4);
    EXPECT_GT(middle.alpha(), 200) << size;
  }
}

}  // namespace
}  // namespace quov::test
