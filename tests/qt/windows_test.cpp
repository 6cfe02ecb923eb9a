// The windows follow the screens' switches, and the canvas draws only when
// the model changed.
#include <QPushButton>

#include "tests/qt/desktop_fixture.h"

namespace quov::test {
namespace {

class Windows : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&machine->canvas));
  }
  QWidget* offer() const {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w != &machine->canvas && w->findChild<QPushButton*>()) return w;
    return nullptr;
  }
};

TEST_F(Windows, CaptionFollowsTheScreen) {
  EXPECT_EQ(machine->canvas.windowTitle().toStdString(), machine->quov.screen.caption);
  EXPECT_TRUE(machine->canvas.isVisible());
}

TEST_F(Windows, TheOfferPopUpAlwaysLeadsBackToTheGame) {
  Quov& q = machine->quov;
  q.screen.visible = false;
  machine->cabinet.popupquov.screen.visible = true;
  machine->cabinet.popupquov.screen.caption = "Play for Real Money ";
  machine->loop.afterHandler();
  QWidget* pop = offer();
  ASSERT_NE(pop, nullptr);
  EXPECT_TRUE(pop->isVisible());
  EXPECT_FALSE(machine->canvas.isVisible());
  EXPECT_EQ(pop->windowTitle(), "Play for Real Money ");
  QPushButton* back = pop->findChild<QPushButton*>();
  EXPECT_EQ(back->text(), "RETURN TO GAME");
  back->click();
  EXPECT_FALSE(machine->cabinet.popupquov.screen.visible);
  EXPECT_TRUE(q.screen.visible);
  EXPECT_FALSE(pop->isVisible());
  EXPECT_TRUE(machine->canvas.isVisible());
}

TEST_F(Windows, ClosingThePopUpReturnsToo) {
  Quov& q = machine->quov;
  q.screen.visible = false;
  machine->cabinet.popupquov.screen.visible = true;
  machine->loop.afterHandler();
  offer()->close();
  EXPECT_TRUE(q.screen.visible);
  EXPECT_TRUE(machine->canvas.isVisible());
}

TEST_F(Windows, DrawsOnlyWhatChanged) {
  machine->canvas.paintNow();
  const auto frames = machine->canvas.paintedFrames();
  machine->canvas.paintNow();  // nothing changed
  EXPECT_EQ(machine->canvas.paintedFrames(), frames);
  machine->quov.lblwin.setCaption("$ 1");
  machine->canvas.paintNow();
  EXPECT_EQ(machine->canvas.paintedFrames(), frames + 1);
}

TEST_F(Windows, PicturesAreCachedAtTheDevicePixelRatio) {
  machine->canvas.resize(800, 600);
  machine->canvas.paintNow();
  machine->quov.lblwin.setCaption("$ 2");
  const int cached = machine->canvas.painter().cachedPictures();
  EXPECT_GT(cached, 10);
  machine->canvas.paintNow();
  EXPECT_EQ(machine->canvas.painter().cachedPictures(), cached);  // nothing new to render
  QImage shot = machine->canvas.grab().toImage();
  EXPECT_EQ(shot.size(), QSize(800, 600));
}

}  // namespace
}  // namespace quov::test
