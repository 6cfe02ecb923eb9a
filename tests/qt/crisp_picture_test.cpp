// The pay table is painted at the window's device pixel ratio: on a display
// of ratio 2 its window holds twice the pixels each way, and they are the
// picture drawn at ratio 2, not a ratio-1 picture stretched. CTest runs this
// with QT_SCALE_FACTOR=2; at ratio 1 it has nothing to show.
#include <QApplication>
#include <cmath>

#include "desktop/art/art_cache.h"
#include "desktop/art/paytable_art.h"
#include "tests/qt/desktop_fixture.h"

namespace quov::test {
namespace {

// The mean difference of two pictures' grey levels, 0..255.
double meanDifference(const QImage& a, const QImage& b) {
  const QImage ga = a.convertToFormat(QImage::Format_Grayscale8);
  const QImage gb = b.convertToFormat(QImage::Format_Grayscale8);
  double sum = 0;
  for (int y = 0; y < ga.height(); ++y)
    for (int x = 0; x < ga.width(); ++x)
      sum += std::abs(ga.constScanLine(y)[x] - gb.constScanLine(y)[x]);
  return sum / (ga.width() * ga.height());
}

class CrispPicture : public DesktopTest {};

TEST_F(CrispPicture, PayTableAtRatioTwo) {
  if (qApp->devicePixelRatio() < 2) GTEST_SKIP() << "runs with QT_SCALE_FACTOR=2";
  start();
  machine->cabinet.quovpays.Form_Load();
  machine->loop.afterHandler();
  ScreenForm& pays = machine->form(machine->cabinet.quovpays.screen);
  ASSERT_TRUE(pays.isVisible());
  const QImage shot = pays.grab().toImage();
  ASSERT_EQ(shot.size(), QSize(1192, 906));

  const QSize logical(static_cast<int>(art::kPayTableW), static_cast<int>(art::kPayTableH));
  const art::ArtKey key = art::ArtKey::own(QStringLiteral("quovpays"), QSizeF(logical));
  art::ArtCache cache;
  const QImage crisp = cache.picture(key, logical, 2).toImage();
  const QImage stretched = cache.picture(key, logical, 1).toImage().scaled(shot.size());
  // The symbols' cards, below the title and the EXIT button.
  const QRect cards(0, 210, 1192, 420);
  EXPECT_LT(meanDifference(shot.copy(cards), crisp.copy(cards)), 0.5);
  EXPECT_GT(meanDifference(shot.copy(cards), stretched.copy(cards)), 2.0)
      << "a stretched picture would pass as well";
}

}  // namespace
}  // namespace quov::test
