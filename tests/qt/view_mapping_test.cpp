#include <gtest/gtest.h>

#include "desktop/view_mapping.h"

namespace quov {
namespace {

TEST(ViewMapping, DesignSizeIsOnePixelPerFifteenTwips) {
  const ViewMapping v(800, 600);
  EXPECT_DOUBLE_EQ(v.scale(), 1.0);
  EXPECT_DOUBLE_EQ(v.offsetX(), 0);
  EXPECT_DOUBLE_EQ(v.offsetY(), 0);
  const PointF p = v.toWindow(1022, 722);  // reel window 1's corner
  EXPECT_NEAR(p.x, 68.133, 1e-3);
  EXPECT_NEAR(p.y, 48.133, 1e-3);
}

TEST(ViewMapping, WideWindowsGetBarsLeftAndRight) {
  const ViewMapping v(1920, 1080);
  EXPECT_DOUBLE_EQ(v.scale(), 1.8);
  EXPECT_DOUBLE_EQ(v.offsetX(), (1920 - 1440) / 2.0);
  EXPECT_DOUBLE_EQ(v.offsetY(), 0);
  const PointF far = v.toWindow(12000, 9000);
  EXPECT_DOUBLE_EQ(far.x, 1920 - 240);
  EXPECT_DOUBLE_EQ(far.y, 1080);
  EXPECT_FALSE(v.onScreen(100, 500));   // on the left bar
  EXPECT_TRUE(v.onScreen(300, 500));
}

TEST(ViewMapping, TallWindowsGetBarsAboveAndBelow) {
  const ViewMapping v(1000, 1000);
  EXPECT_DOUBLE_EQ(v.scale(), 1.25);
  EXPECT_DOUBLE_EQ(v.offsetX(), 0);
  EXPECT_DOUBLE_EQ(v.offsetY(), 125);
  EXPECT_FALSE(v.onScreen(500, 100));
  const RectF r = v.toWindow(1500, 1500, 3000, 1500);
  EXPECT_DOUBLE_EQ(r.x, 125);
  EXPECT_DOUBLE_EQ(r.y, 250);
  EXPECT_DOUBLE_EQ(r.w, 250);
  EXPECT_DOUBLE_EQ(r.h, 125);
}

TEST(ViewMapping, WindowToTwipsInvertsTwipsToWindow) {
  for (auto [w, h] : {std::pair{800, 600}, {1024, 768}, {1920, 1440}, {333, 700}, {1600, 500}}) {
    const ViewMapping v(w, h);
    const PointF px = v.toWindow(7114, 5400);
    const PointF back = v.toTwips(px.x, px.y);
    EXPECT_NEAR(back.x, 7114, 1e-6) << w << "x" << h;
    EXPECT_NEAR(back.y, 5400, 1e-6) << w << "x" << h;
  }
}

TEST(ViewMapping, DegenerateWindowsStillMap) {
  const ViewMapping v(0, 0);
  EXPECT_GT(v.scale(), 0);
}

}  // namespace
}  // namespace quov
