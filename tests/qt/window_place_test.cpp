// Where the cabinet's window opens, and the small file that remembers it.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include "desktop/window_keeper.h"
#include "desktop/window_place.h"

namespace quov::test {
namespace {

const QSize kDesign(800, 600);

// The window with `frame` around it lies inside `area`.
::testing::AssertionResult framedInside(const QRect& client, const QMargins& frame,
                                        const QRect& area) {
  const QRect outer = client + frame;
  if (area.contains(outer)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "window " << outer.x() << "," << outer.y() << " " << outer.width() << "x"
         << outer.height() << " framed, outside " << area.x() << "," << area.y() << " "
         << area.width() << "x" << area.height();
}

double shape(QSize s) { return static_cast<double>(s.width()) / s.height(); }

TEST(WindowPlace, FirstStartCentresTheDesignSizeOnALargeScreen) {
  const QRect available(0, 0, 1920, 1040);  // a panel below
  const QRect client = openingPlace(std::nullopt, available, kDesign);
  EXPECT_EQ(client.size(), kDesign);
  const QPoint centre = (client + kFrameAllowance).center();
  EXPECT_LE(std::abs(centre.x() - available.center().x()), 1);
  EXPECT_LE(std::abs(centre.y() - available.center().y()), 1);
}

TEST(WindowPlace, FirstStartFitsScreensSmallerThanTheCabinetKeepingItsShape) {
  // 1280 x 1024 at scale factor 2 is 640 x 512 logical pixels; a panel at
  // the top or left moves the free area off the origin.
  for (const QRect available :
       {QRect(0, 0, 640, 512), QRect(0, 14, 640, 498), QRect(32, 0, 1248, 600),
        QRect(0, 0, 800, 600), QRect(0, 0, 300, 900)}) {
    const QRect client = openingPlace(std::nullopt, available, kDesign);
    EXPECT_TRUE(framedInside(client, kFrameAllowance, available));
    EXPECT_NEAR(shape(client.size()), 4.0 / 3.0, 0.01);
    // As large as the free area allows: one side uses all of it.
    const QRect outer = client + kFrameAllowance;
    EXPECT_TRUE(outer.width() >= available.width() - 1 || outer.height() >= available.height() - 1)
        << outer.width() << "x" << outer.height();
  }
}

TEST(WindowPlace, SavedPlaceThatFitsComesBackUnchanged) {
  const WindowPlace saved{QRect(100, 150, 640, 480), QMargins(1, 22, 1, 4), false};
  EXPECT_EQ(openingPlace(saved, QRect(0, 0, 1280, 1024), kDesign), saved.client);
  // A window the player stretched wider than the cabinet keeps its shape.
  const WindowPlace wide{QRect(0, 22, 1279, 997), QMargins(0, 22, 0, 4), false};
  EXPECT_EQ(openingPlace(wide, QRect(0, 0, 1280, 1024), kDesign), wide.client);
}

TEST(WindowPlace, SavedPlaceOnALargerScreenShrinksKeepingItsShape) {
  // Saved at scale 1, opened at scale 2.
  const WindowPlace saved{QRect(200, 100, 1200, 800), QMargins(1, 22, 1, 4), false};
  const QRect available(0, 0, 640, 512);
  const QRect client = openingPlace(saved, available, kDesign);
  EXPECT_TRUE(framedInside(client, saved.frame, available));
  EXPECT_NEAR(shape(client.size()), 1.5, 0.01);
}

TEST(WindowPlace, SavedPlaceOffTheScreenMovesBackOnto) {
  const QRect available(0, 0, 1280, 1024);
  const QMargins frame(2, 24, 2, 6);
  // On a second monitor that is gone, half off the right, above the top.
  for (const QPoint at : {QPoint(3000, 2000), QPoint(1000, 300), QPoint(-500, -300)}) {
    const QRect client = openingPlace(WindowPlace{QRect(at, QSize(640, 480)), frame, false},
                                      available, kDesign);
    EXPECT_EQ(client.size(), QSize(640, 480));
    EXPECT_TRUE(framedInside(client, frame, available));
  }
}

TEST(WindowPlace, ShrinkingNeverGrows) {
  EXPECT_EQ(shrunkToFit(QSize(640, 480), QSize(1920, 1080)), QSize(640, 480));
  EXPECT_EQ(shrunkToFit(QSize(800, 600), QSize(400, 600)), QSize(400, 300));
  EXPECT_EQ(shrunkToFit(QSize(800, 600), QSize(800, 300)), QSize(400, 300));
}

class WindowKeeperFile : public ::testing::Test {
 protected:
  QString path() const { return dir.path() + "/window.ini"; }
  void write(const QByteArray& text) {
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  QRect available() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
  QTemporaryDir dir;
  QWidget window;
  WindowKeeper keeper{window, path()};
};

TEST_F(WindowKeeperFile, PlaceSizeAndFullScreenRoundTrip) {
  write("[window]\nx=30\ny=60\nwidth=400\nheight=300\nfullScreen=false\n"
        "[frame]\nleft=0\ntop=0\nright=0\nbottom=0\n");
  keeper.restore(kDesign);
  EXPECT_EQ(window.geometry(), QRect(30, 60, 400, 300));
  EXPECT_FALSE(window.isFullScreen());

  window.show();
  window.setGeometry(50, 70, 480, 360);
  window.setWindowState(Qt::WindowFullScreen);
  keeper.save();
  const std::optional<WindowPlace> saved = keeper.load();
  ASSERT_TRUE(saved);
  EXPECT_TRUE(saved->fullScreen);
  EXPECT_EQ(saved->client, QRect(50, 70, 480, 360)) << "the place full screen returns to";

  QWidget next;
  WindowKeeper nextKeeper(next, path());
  nextKeeper.restore(kDesign);
  EXPECT_TRUE(next.windowState() & Qt::WindowFullScreen);
  next.show();
  next.setWindowState(Qt::WindowNoState);
  EXPECT_EQ(next.geometry(), QRect(50, 70, 480, 360));
}

TEST_F(WindowKeeperFile, MissingOrDamagedFileOpensCentred) {
  const QRect centred = openingPlace(std::nullopt, available(), kDesign);
  for (const QByteArray& text :
       {QByteArray(), QByteArray("[window]\nx=30\ny=60\nwidth=abc\nheight=300\n"),
        QByteArray("[window]\nx=30\ny=60\nwidth=-400\nheight=300\n"),
        QByteArray("\x01\x02garbage\xff")}) {
    if (!text.isEmpty()) write(text);
    EXPECT_FALSE(keeper.load()) << text.constData();
    keeper.restore(kDesign);
    EXPECT_EQ(window.geometry(), centred) << text.constData();
  }
}

TEST_F(WindowKeeperFile, AFrameOutOfReasonIsNotTrusted) {
  write("[window]\nx=30\ny=60\nwidth=400\nheight=300\n"
        "[frame]\nleft=0\ntop=5000\nright=0\nbottom=0\n");
  const std::optional<WindowPlace> saved = keeper.load();
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->frame, kFrameAllowance);
}

}  // namespace
}  // namespace quov::test
