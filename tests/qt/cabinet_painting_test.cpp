// What the player sees of the cabinet: the no-money notice whole at every
// window size, and winning lines over the symbols while they flash.
#include <QImage>

#include "engine/gamble.h"
#include "tests/qt/desktop_fixture.h"

namespace quov::test {
namespace {

class CabinetPainting : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&machine->canvas));
  }
  Quov& q() { return machine->quov; }
  QImage shot() { return machine->canvas.grab().toImage(); }
  QPoint at(double xTwips, double yTwips) const {
    const PointF p = machine->canvas.mapping().toWindow(xTwips, yTwips);
    return QPoint(qRound(p.x), qRound(p.y));
  }
  QRect windowRect(const Element& e) const {
    const RectF r = machine->canvas.mapping().toWindow(e.screenLeft(), e.screenTop(), e.width,
                                                       e.height);
    return QRectF(r.x, r.y, r.w, r.h).toAlignedRect();
  }
};

// The notice's letters are cream; nothing else on its plate is.
bool cream(QRgb c) { return qRed(c) >= 240 && qGreen(c) >= 230 && qBlue(c) >= 200; }

TEST_F(CabinetPainting, TheNoMoneyNoticeIsWholeAtEveryWindowSize) {
  q().pannomoney.show();
  for (const QSize size : {QSize(640, 480), QSize(800, 600), QSize(1024, 768), QSize(1280, 1024),
                           QSize(1366, 768), QSize(1920, 1080), QSize(2560, 1600)}) {
    machine->canvas.resize(size);
    const QImage image = shot();
    ASSERT_EQ(image.size(), size);
    const QRect panel = windowRect(q().pannomoney);
    const double s = machine->canvas.mapping().scale();
    // The plate's rounded corners show the reels; its rim is 5 design
    // pixels wide. Letters cut at the plate's edge would show on the rim.
    const int corner = qCeil(14 * s), rim = qCeil(5 * s);
    const QRect inside = panel.adjusted(rim, rim, -rim, -rim);
    QRect letters;
    for (int y = panel.top(); y <= panel.bottom(); ++y)
      for (int x = panel.left(); x <= panel.right(); ++x) {
        const bool inCorner = (x < panel.left() + corner || x > panel.right() - corner) &&
                              (y < panel.top() + corner || y > panel.bottom() - corner);
        if (inCorner || !cream(image.pixel(x, y))) continue;
        letters |= QRect(x, y, 1, 1);
        EXPECT_TRUE(inside.contains(x, y))
            << "a letter at " << x << "," << y << " on the rim at " << size.width() << "x"
            << size.height();
        if (!inside.contains(x, y)) return;
      }
    // Three lines of letters across most of the plate.
    EXPECT_GT(letters.width(), panel.width() * 0.6) << size.width();
    EXPECT_GT(letters.height(), panel.height() * 0.4) << size.width();
  }
}

bool lineColoured(QRgb c) { return qRed(c) < 40 && qGreen(c) > 215 && qBlue(c) > 215; }

TEST_F(CabinetPainting, AFlashingWinningLineLiesOverTheSymbols) {
  machine->canvas.resize(800, 600);
  // Line 1 drawn as the flashing draws it: the middle row, in cyan.
  q().Lineflash[1].setLine(870, 3500, 11165, 3500);
  q().Lineflash[1].setColour(0x00FFFF);
  q().Lineflash[1].show();
  const auto overReels = [&](const QImage& image) {
    int coloured = 0;
    for (int r = 1; r <= 5; ++r)
      if (lineColoured(image.pixel(at(q().Picture[r].left + q().Picture[r].width / 2, 3500))))
        ++coloured;
    return coloured;
  };
  q().tmrlineflash.enable();
  machine->loop.afterHandler();
  EXPECT_EQ(overReels(shot()), 5) << "flashing: the line crosses every reel";

  // Beneath what is painted after the reels: the gamble table covers it.
  machine->cabinet.engine.gamble().panel.pandouble.show();
  machine->loop.afterHandler();
  EXPECT_EQ(overReels(shot()), 0);
  machine->cabinet.engine.gamble().panel.pandouble.hide();

  // At other times (a marker showing its line) the reels cover it.
  q().tmrlineflash.disable();
  machine->loop.afterHandler();
  const QImage still = shot();
  EXPECT_EQ(overReels(still), 0);
  EXPECT_TRUE(lineColoured(still.pixel(at(960, 3500)))) << "in the margin left of reel 1";
}

}  // namespace
}  // namespace quov::test
