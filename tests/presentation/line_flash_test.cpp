// The flashing of the winning lines: each winning played line in turn gets
// five ticks of tmrlineflash, its segments and the frames of its paying run
// blinking together (shown, hidden, shown, hidden, hidden) and its marker in
// the opposite phase.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "machine_fixture.h"
#include "outcomes.h"
#include "presentation/line_flash.h"
#include "presentation/payline_shapes.h"
#include "rules/reels.h"

namespace quov {
namespace {

using testing::findStops;
using testing::MachineTest;
using testing::Outcome;
using testing::Stops;

// A line's five ticks once the cycle runs: segments and run frames shown on
// the first and third, the marker on the others.
constexpr bool kShownOnTick[5] = {true, false, true, false, false};

class LineFlashing : public MachineTest {
 protected:
  // What the evaluation leaves after a spin in which `line` paid a run of
  // `run` cells from reel 1; the evaluation then starts the timer.
  void won(int line, int run) {
    q.winline[line] = static_cast<std::int16_t>(line);
    q.winlength[line] = static_cast<std::int16_t>(run);
  }
  // Lets the clock run until tmrlineflash has ticked once more.
  bool tick() {
    const auto before = q.tmrlineflash.ticks;
    return machine.runUntil([&] { return q.tmrlineflash.ticks != before; }, 1000, 1) &&
           q.tmrlineflash.ticks == before + 1;
  }
  // Whether the segments are placed for `line`: its colour, its first
  // segment, and all its segments showing or hiding together.
  bool placed(int line) const {
    const PaylineShape& shape = paylineShape(line);
    const Element& first = q.Lineflash[1];
    if (first.colour != shape.colour || first.x1 != shape.segment[0].x1 ||
        first.y1 != shape.segment[0].y1 || first.y2 != shape.segment[0].y2)
      return false;
    for (int e = 1; e <= shape.segments; ++e)
      if (q.Lineflash[e].visible != first.visible || q.Lineflash[e].colour != shape.colour)
        return false;
    return true;
  }
  bool segmentsShown() const { return q.Lineflash[1].visible; }
  static std::vector<int> runCells(int line, int run) {
    std::vector<int> cells;
    for (int r = 1; r <= run; ++r) cells.push_back(lineCell(line, r));
    return cells;
  }
  // Checks the five ticks of `line` against the blink table.
  void expectFiveTicks(int line, int run) {
    for (int t = 0; t < 5; ++t) {
      ASSERT_TRUE(tick());
      SCOPED_TRACE("line " + std::to_string(line) + ", tick " + std::to_string(t + 1));
      ASSERT_TRUE(placed(line));
      EXPECT_EQ(segmentsShown(), kShownOnTick[t]);
      EXPECT_EQ(q.lin[line].visible, !kShownOnTick[t]);
      for (int c : runCells(line, run)) EXPECT_EQ(q.flasher[c].visible, kShownOnTick[t]) << c;
    }
  }
  // Ticks until the current line has had its fifth tick.
  void finishCurrentLine() {
    for (int guard = 0; guard < 5 && machine.cabinet.lineFlash().state().flashcount != 5; ++guard)
      ASSERT_TRUE(tick());
    ASSERT_EQ(machine.cabinet.lineFlash().state().flashcount, 5);
  }
};

TEST_F(LineFlashing, TwoWinningLinesTakeFiveTicksEachInTurn) {
  won(3, 3);
  won(17, 4);
  q.tmrlineflash.enable();
  // The first line's first ticks take whatever blink phase the shared loop
  // counter left; from its last tick on the cycle follows the table.
  for (int t = 0; t < 5; ++t) {
    ASSERT_TRUE(tick());
    EXPECT_TRUE(placed(3)) << t;
  }
  EXPECT_FALSE(segmentsShown()) << "a line's last tick leaves a clean screen";
  for (int round = 0; round < 2; ++round) {
    expectFiveTicks(17, 4);
    EXPECT_TRUE(q.lin[3].visible) << "the other line's marker stays shown";
    expectFiveTicks(3, 3);
    EXPECT_TRUE(q.lin[17].visible);
  }
  // Frames outside both runs stay hidden.
  std::set<int> runs;
  for (int c : runCells(3, 3)) runs.insert(c);
  for (int c : runCells(17, 4)) runs.insert(c);
  for (int c = 1; c <= 15; ++c) EXPECT_TRUE(runs.count(c) || !q.flasher[c].visible) << c;
  EXPECT_TRUE(q.tmrlineflash.enabled());
}

TEST_F(LineFlashing, LineOneBlinksBothItsMarkersAgainstTheMiddleLine) {
  won(1, 5);
  q.tmrlineflash.enable();
  finishCurrentLine();
  for (int cycle = 0; cycle < 2; ++cycle) {
    for (int t = 0; t < 5; ++t) {
      ASSERT_TRUE(tick());
      ASSERT_TRUE(placed(1));
      EXPECT_EQ(q.Lineflash[1].y1, 3500);
      EXPECT_EQ(q.Lineflash[1].y2, 3500);
      EXPECT_EQ(segmentsShown(), kShownOnTick[t]) << t;
      EXPECT_EQ(q.lin[1].visible, !kShownOnTick[t]) << t;
      EXPECT_EQ(q.lin[26].visible, !kShownOnTick[t]) << t;
    }
  }
}

TEST_F(LineFlashing, AWildInTheRunStaysFramedWhileTheOtherRunCellsBlink) {
  // A run of three on line 12 (cells 1, 5, 8) whose reel 2 shows its wild
  // in the middle row; reels 4 and 5 (cells 11, 13) are not in the run.
  ASSERT_EQ(runCells(12, 5), (std::vector<int>{1, 5, 8, 11, 13}));
  won(12, 3);
  q.wildcell[2] = 5;
  q.flasher[11].show();
  q.flasher[13].hide();
  q.tmrlineflash.enable();
  finishCurrentLine();
  for (int t = 0; t < 5; ++t) {
    ASSERT_TRUE(tick());
    ASSERT_TRUE(placed(12));
    EXPECT_EQ(segmentsShown(), kShownOnTick[t]) << t;
    EXPECT_EQ(q.flasher[1].visible, kShownOnTick[t]) << t;
    EXPECT_EQ(q.flasher[8].visible, kShownOnTick[t]) << t;
    EXPECT_TRUE(q.flasher[5].visible) << t;
    EXPECT_TRUE(q.flasher[11].visible) << t;
    EXPECT_FALSE(q.flasher[13].visible) << t;
  }
}

TEST_F(LineFlashing, ALineOfTwoSegmentsAfterOneOfSixShowsOnlyItsOwn) {
  won(14, 3);
  won(24, 3);
  q.tmrlineflash.enable();
  finishCurrentLine();  // line 14's first turn
  for (int round = 0; round < 2; ++round) {
    expectFiveTicks(24, 3);
    for (int e = 3; e <= 6; ++e) EXPECT_FALSE(q.Lineflash[e].visible) << e;
    for (int t = 0; t < 5; ++t) {
      ASSERT_TRUE(tick());
      ASSERT_TRUE(placed(14));
      for (int e = 1; e <= 6; ++e) EXPECT_EQ(q.Lineflash[e].visible, kShownOnTick[t]) << e;
    }
  }
}

TEST_F(LineFlashing, FewerPlayedLinesDropAWinningLineAndStopTheFlashingWhenNoneIsLeft) {
  won(3, 3);
  won(17, 3);
  q.tmrlineflash.enable();
  for (int t = 0; t < 7; ++t) ASSERT_TRUE(tick());
  ASSERT_TRUE(placed(17));

  for (int press = 0; press < 3; ++press) ASSERT_TRUE(machine.click(q.payline));
  ASSERT_EQ(q.linesplayed, 10);
  for (int t = 0; t < 15; ++t) {
    ASSERT_TRUE(tick());
    EXPECT_TRUE(placed(3)) << "line 17 is no longer played, tick " << t;
  }
  EXPECT_TRUE(q.lin[17].visible);

  for (int press = 0; press < 3; ++press) ASSERT_TRUE(machine.click(q.payline));
  ASSERT_EQ(q.linesplayed, 1);
  std::vector<bool> segments;
  for (int e = 1; e <= 6; ++e) segments.push_back(q.Lineflash[e].visible);
  const bool marker3 = q.lin[3].visible;
  ASSERT_TRUE(tick());
  EXPECT_FALSE(q.tmrlineflash.enabled());
  for (int e = 1; e <= 6; ++e) EXPECT_EQ(q.Lineflash[e].visible, segments[e - 1]) << e;
  EXPECT_EQ(q.lin[3].visible, marker3);
  const auto ticks = q.tmrlineflash.ticks;
  machine.advance(2000);
  EXPECT_EQ(q.tmrlineflash.ticks, ticks);
}

TEST_F(LineFlashing, AScatterOnlyWinStopsTheFlashingOnItsFirstTickDrawingNothing) {
  const auto stops = findStops(25, [](const Outcome& o) {
    return o.lineWin == 0 && o.readout.scattercount == 2 && testing::noWild(o);
  });
  ASSERT_TRUE(stops.has_value());
  const Stops& s = *stops;
  spin({s[0], s[1], s[2], s[3], s[4]});
  machine.advance(1000);
  ASSERT_GT(q.spinwin, 0) << "two scatters pay";
  EXPECT_EQ(q.tmrlineflash.ticks, 1u) << "the win started the timer, which ran once";
  EXPECT_FALSE(q.tmrlineflash.enabled());
  for (int e = 1; e <= 6; ++e) EXPECT_FALSE(q.Lineflash[e].visible) << e;
  for (int k = 1; k <= 26; ++k) EXPECT_TRUE(q.lin[k].visible) << k;
}

TEST_F(LineFlashing, ASpinThatInterruptsLineOneLeavesItsSecondMarkerHidden) {
  const auto stops = findStops(25, [](const Outcome& o) {
    return testing::plainLineWin(o) && o.winline[1] == 1;
  });
  ASSERT_TRUE(stops.has_value());
  const Stops& s = *stops;
  spin({s[0], s[1], s[2], s[3], s[4]});

  // The spin is pressed during the pause of a tick that drew line 1 and
  // took both its markers away.
  const Stops l = *findStops(25, testing::losing);
  machine.scriptSpin({l[0], l[1], l[2], l[3], l[4]});
  bool pressed = false;
  machine.platform.loop.onSleep = [&](int) {
    if (pressed || !q.tmrlineflash.running() || !placed(1) || !segmentsShown()) return;
    pressed = true;
    EXPECT_FALSE(q.lin[1].visible);
    EXPECT_FALSE(q.lin[26].visible);
    machine.pressSpin();
  };
  ASSERT_TRUE(machine.runUntil([&] { return pressed; }, 60000, 1));
  ASSERT_TRUE(machine.settle());
  ASSERT_EQ(m.games, 2);
  EXPECT_TRUE(q.lin[1].visible) << "the spin start shows markers 1 to 25";
  EXPECT_FALSE(q.lin[26].visible);
  EXPECT_FALSE(q.tmrlineflash.enabled());

  q.screen.mouseMove(&q.btnopenmenu);
  ASSERT_TRUE(machine.click(q.viewpaylines));
  ASSERT_TRUE(machine.click(q.Btnreturn2game));
  EXPECT_TRUE(q.lin[26].visible) << "leaving the payline view shows every marker";
}

}  // namespace
}  // namespace quov
