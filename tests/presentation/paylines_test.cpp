// Drawing the paylines: the markers beside the reels draw their line with
// the six segment elements, every marker in the payline view and only the
// second marker of line 1 in normal play.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "machine_fixture.h"
#include "mainscreen/reel_windows.h"
#include "outcomes.h"
#include "rules/reels.h"

namespace quov {
namespace {

using testing::findStops;
using testing::MachineTest;
using testing::Stops;

class Paylines : public MachineTest {
 protected:
  void enterPaylineView() {
    q.screen.mouseMove(&q.btnopenmenu);
    ASSERT_TRUE(machine.click(q.viewpaylines));
    ASSERT_TRUE(q.Btnreturn2game.visible);
  }
  void hover(int marker) { q.screen.mouseMove(&q.lin[marker]); }

  int visibleSegments() const {
    int n = 0;
    for (int e = 1; e <= 6; ++e) n += q.Lineflash[e].visible ? 1 : 0;
    return n;
  }
  // Height of the drawn line where it crosses x, from the first visible
  // segment that spans x.
  std::optional<float> heightAt(float x) const {
    for (int e = 1; e <= 6; ++e) {
      const Element& s = q.Lineflash[e];
      if (!s.visible) continue;
      const float lo = std::min(s.x1, s.x2), hi = std::max(s.x1, s.x2);
      if (x < lo || x > hi) continue;
      if (s.x1 == s.x2) return s.y1;
      return s.y1 + (s.y2 - s.y1) * (x - s.x1) / (s.x2 - s.x1);
    }
    return std::nullopt;
  }
  // The row of reel r's window that the drawn line crosses at the window's
  // centre, or -1 when it misses the window there.
  int rowCrossed(int reel) const {
    const std::optional<float> y = heightAt(kReelWindowLeft[reel] + kReelWindowWidth / 2.0f);
    if (!y || *y < kReelWindowTop || *y >= kReelWindowTop + kRows * kCellTwips) return -1;
    return static_cast<int>((*y - kReelWindowTop) / kCellTwips);
  }
  std::string rowsCrossed() const {
    std::string rows;
    for (int r = 1; r <= kReels; ++r) rows += "TMB?"[rowCrossed(r) < 0 ? 3 : rowCrossed(r)];
    return rows;
  }
  static std::string rowsOfLine(int line) {
    std::string rows;
    for (int r = 1; r <= kReels; ++r) rows += "TMB"[paylineRow(line, r)];
    return rows;
  }
  // The segments of the drawn line share one colour.
  std::optional<std::uint32_t> lineColour() const {
    std::optional<std::uint32_t> colour;
    for (int e = 1; e <= 6; ++e) {
      if (!q.Lineflash[e].visible) continue;
      if (colour && *colour != q.Lineflash[e].colour) return std::nullopt;
      colour = q.Lineflash[e].colour;
    }
    return colour;
  }
};

TEST_F(Paylines, EveryMarkerDrawsItsLineThroughTheCellsOfThePaylineTable) {
  enterPaylineView();
  // Drawn in an order that puts short lines after long ones, so a marker
  // that failed to hide the segments it does not use would leave a trace.
  const int order[] = {14, 2, 15, 4, 16, 3, 17, 5, 18, 1, 19, 24, 20, 25, 21, 6,
                       22, 7,  23, 8, 12, 9, 13, 10, 11, 26};
  for (int marker : order) {
    hover(marker);
    const int line = marker == 26 ? 1 : marker;
    EXPECT_EQ(rowsCrossed(), rowsOfLine(line)) << "marker " << marker;
    EXPECT_TRUE(lineColour().has_value()) << "marker " << marker << " draws in one colour";
    EXPECT_GE(visibleSegments(), 1) << "marker " << marker;
    // Segments in use come first, those beyond are hidden.
    for (int e = 2; e <= 6; ++e)
      EXPECT_TRUE(!q.Lineflash[e].visible || q.Lineflash[e - 1].visible) << marker << "/" << e;
  }
}

TEST_F(Paylines, MarkerThirteenDrawsFiveOliveSegmentsAndHidesTheSixth) {
  enterPaylineView();
  hover(14);
  ASSERT_EQ(visibleSegments(), 6);
  hover(13);
  EXPECT_EQ(visibleSegments(), 5);
  EXPECT_FALSE(q.Lineflash[6].visible);
  for (int e = 1; e <= 5; ++e) EXPECT_EQ(q.Lineflash[e].colour, 0xC0C000u) << e;
  EXPECT_EQ(rowsCrossed(), "BMMMB");
}

TEST_F(Paylines, AShortLineAfterALongOneLeavesOnlyItsOwnSegment) {
  enterPaylineView();
  hover(14);
  ASSERT_EQ(visibleSegments(), 6);
  hover(2);
  ASSERT_EQ(visibleSegments(), 1);
  const Element& s = q.Lineflash[1];
  EXPECT_TRUE(s.visible);
  EXPECT_EQ(s.y1, 1600);
  EXPECT_EQ(s.y2, 1600);
  EXPECT_EQ(std::min(s.x1, s.x2), 870);
  EXPECT_EQ(std::max(s.x1, s.x2), 11165);
  EXPECT_EQ(s.colour, 0x00FF00u);
}

TEST_F(Paylines, InNormalPlayOnlyTheSecondMarkerOfLineOneReacts) {
  // After start-up the first segment shows a short black stub and the
  // others are hidden; disabled markers must leave that as it is.
  const Element before = q.Lineflash[1];
  ASSERT_EQ(visibleSegments(), 1);
  for (int marker = 1; marker <= 25; ++marker) {
    ASSERT_FALSE(q.lin[marker].enabled) << marker;
    hover(marker);
  }
  EXPECT_EQ(visibleSegments(), 1);
  EXPECT_EQ(q.Lineflash[1].x2, before.x2);
  EXPECT_EQ(q.Lineflash[1].colour, before.colour);

  ASSERT_TRUE(q.lin[26].enabled);
  hover(26);
  EXPECT_EQ(visibleSegments(), 1);
  EXPECT_EQ(q.Lineflash[1].colour, 0x00FFFFu);
  EXPECT_EQ(q.Lineflash[1].y1, 3825);
  EXPECT_EQ(std::max(q.Lineflash[1].x1, q.Lineflash[1].x2), 11165);
}

TEST_F(Paylines, MarkersOneAndTwentySixDrawLineOneAtTheirOwnHeights) {
  enterPaylineView();
  hover(1);
  const Element one = q.Lineflash[1];
  hover(26);
  const Element twentySix = q.Lineflash[1];
  EXPECT_EQ(visibleSegments(), 1);
  EXPECT_EQ(one.colour, twentySix.colour);
  EXPECT_EQ(one.colour, 0x00FFFFu);
  EXPECT_EQ(one.x1, twentySix.x1);
  EXPECT_EQ(one.x2, twentySix.x2);
  EXPECT_EQ(one.y1, 3500);
  EXPECT_EQ(one.y2, 3500);
  EXPECT_EQ(twentySix.y1, 3825);
  EXPECT_EQ(twentySix.y2, 3825);
}

TEST_F(Paylines, TheLineStaysDrawnAfterThePointerLeavesItsMarker) {
  enterPaylineView();
  hover(18);
  const std::string rows = rowsCrossed();
  ASSERT_EQ(rows, rowsOfLine(18));
  q.screen.mouseMove(nullptr);              // the bare background
  q.screen.mouseMove(&q.Btnreturn2game);    // an element that is no marker
  machine.advance(1000);
  EXPECT_EQ(visibleSegments(), 6);
  EXPECT_EQ(rowsCrossed(), rows);
  EXPECT_EQ(q.Lineflash[1].colour, 0xFF8000u);
}

TEST_F(Paylines, TheNextSpinWipesALineDrawnInNormalPlay) {
  hover(26);
  ASSERT_EQ(visibleSegments(), 1);
  const Stops s = *findStops(25, testing::losing);
  spin({s[0], s[1], s[2], s[3], s[4]});
  EXPECT_EQ(visibleSegments(), 0);
  hover(26);
  EXPECT_EQ(visibleSegments(), 1);
  EXPECT_EQ(q.Lineflash[1].y1, 3825);
}

}  // namespace
}  // namespace quov
