#include "engine/reels.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/spin_cycle.h"
#include "machine_fixture.h"
#include "rules/reels.h"

namespace quov {
namespace {

using testing::MachineTest;

TEST(ReelRules, StopsOneAndTwentyTwoShowTheirThreeCells) {
  for (int r = 1; r <= kReels; ++r) {
    for (int row = Top; row <= Bottom; ++row) {
      EXPECT_EQ(visibleSymbol(r, 1, row), stripSymbol(r, 1 + row));
      EXPECT_EQ(visibleSymbol(r, 22, row), stripSymbol(r, 22 + row));
    }
  }
  EXPECT_EQ(visibleSymbol(1, 1, Top), Symbol::Eye);
  EXPECT_EQ(visibleSymbol(1, 22, Bottom), Symbol::Ring);  // reel 1 cell 24
  EXPECT_EQ(visibleSymbol(2, 1, Middle), Symbol::Wild);
}

TEST(ReelRules, EveryReelHasOneVisibleScatterAndOnlyTheMiddleReelsAWild) {
  const int scatterCell[6] = {0, 12, 9, 6, 7, 9};
  const int wildCell[6] = {0, 0, 2, 11, 11, 0};
  for (int r = 1; r <= kReels; ++r) {
    int scatters = 0, wilds = 0;
    for (int c = 1; c <= 24; ++c) {
      if (stripSymbol(r, c) == Symbol::Scatter) {
        ++scatters;
        EXPECT_EQ(c, scatterCell[r]);
      }
      if (stripSymbol(r, c) == Symbol::Wild) {
        ++wilds;
        EXPECT_EQ(c, wildCell[r]);
      }
    }
    EXPECT_EQ(scatters, 1) << "reel " << r;
    EXPECT_EQ(wilds, wildCell[r] ? 1 : 0) << "reel " << r;
  }
}

TEST(ReelRules, RowLineListsInvertThePaylineTable) {
  for (int r = 1; r <= kReels; ++r) {
    std::set<int> seen;
    for (int row = Top; row <= Bottom; ++row) {
      const RowLines& list = rowLines(r, row);
      int previous = 0;
      for (int i = 1; i <= 11; ++i) {
        if (list[i] == 0) {
          for (int j = i; j <= 11; ++j) EXPECT_EQ(list[j], 0) << "zeros pad the end";
          break;
        }
        EXPECT_GT(list[i], previous) << "ascending";
        previous = list[i];
        EXPECT_EQ(paylineRow(list[i], r), row) << "reel " << r << " line " << list[i];
        seen.insert(list[i]);
      }
    }
    EXPECT_EQ(seen.size(), 25u) << "every line uses one row on reel " << r;
  }
  const RowLines top1{0, 2, 4, 6, 12, 14, 18, 24, 0, 0, 0, 0};
  const RowLines mid1{0, 1, 8, 9, 10, 11, 15, 17, 20, 21, 22, 23};
  const RowLines top4{0, 2, 6, 8, 15, 19, 20, 23, 0, 0, 0, 0};
  EXPECT_EQ(rowLines(1, Top), top1);
  EXPECT_EQ(rowLines(1, Middle), mid1);
  EXPECT_EQ(rowLines(4, Top), top4);
}

TEST(ReelRules, CellCodesRunDownOnOddReelsAndUpOnEvenOnes) {
  EXPECT_EQ(cellCode(1, Top), 1);
  EXPECT_EQ(cellCode(2, Top), 6);
  EXPECT_EQ(cellCode(2, Bottom), 4);
  EXPECT_EQ(cellCode(4, Middle), 11);
  EXPECT_EQ(cellCode(5, Bottom), 15);
  // Line 4 (T M B M T) uses the cells 1, 5, 9, 11, 13.
  const int cells[5] = {1, 5, 9, 11, 13};
  for (int r = 1; r <= 5; ++r) EXPECT_EQ(lineCell(4, r), cells[r - 1]);
}

TEST(ReelRules, WildOnReelTwoInTheMiddleRowCountsForEverySymbolOnItsLines) {
  Readout out;
  EXPECT_TRUE(readReel(out, 2, 1));
  const std::set<int> wildLines{1, 4, 5, 10, 11, 12, 13, 14, 16};
  for (int line = 1; line <= kLines; ++line) {
    const bool onWild = wildLines.count(line) != 0;
    for (int s = 0; s < kLineSymbols; ++s) {
      const auto sym = static_cast<Symbol>(s);
      if (onWild) {
        EXPECT_EQ(out.match.of(sym)[line], 7) << symbolName(sym) << " line " << line;
      }
    }
    EXPECT_EQ(out.match.wildonline(line), onWild ? 7 : 0) << "line " << line;
  }
  EXPECT_EQ(out.wildcell[2], 5);
  EXPECT_EQ(out.scattercount, 0);
}

// Reels 3 and 4 both at stop 9 show their wilds, both on lines 3 and 9: there
// the later reel's mark stands, as when reel 4 stops after reel 3.
TEST(ReelRules, TwoWildsOnALineLeaveTheLaterReelsMark) {
  Readout out;
  readReel(out, 1, 1);
  EXPECT_TRUE(readReel(out, 3, 9));
  EXPECT_TRUE(readReel(out, 4, 9));
  for (int line : {3, 9}) EXPECT_EQ(out.match.wildonline(line), 10) << "line " << line;
  EXPECT_EQ(out.match.wildonline(4), 6) << "reel 3's wild alone";
  EXPECT_EQ(out.match.wildonline(7), 10) << "reel 4's wild alone";
  EXPECT_EQ(out.match.wildonline(1), 0);
  out.clear();
  EXPECT_EQ(out.match.wildonline(3), 0) << "a cleared readout shows no wild";
}

TEST(ReelRules, FiveScattersCanShowAtOnce) {
  Readout out;
  const int stops[6] = {0, 10, 7, 4, 5, 7};
  for (int r = 1; r <= 5; ++r) readReel(out, r, stops[r]);
  EXPECT_EQ(out.scattercount, 5);
  // Reel 1 at stop 10 puts its scatter in the bottom row.
  EXPECT_EQ(out.scattercell[1], 3);
  Readout mid, top;
  readReel(mid, 1, 11);
  readReel(top, 1, 12);
  EXPECT_EQ(mid.scattercell[1], 2);
  EXPECT_EQ(top.scattercell[1], 1);

  // Cleared, the readout is what a new one is, and a reading counts afresh.
  out.clear();
  EXPECT_EQ(out.scattercount, 0);
  EXPECT_EQ(out.scattercell, ReelArray{});
  EXPECT_EQ(out.wildcell, ReelArray{});
  for (const ReelFace* f : out.match.face) EXPECT_EQ(f, &kBlankFace);
  readReel(out, 3, 4);
  EXPECT_EQ(out.scattercount, 1);
}

// Every face's scatter count is the count of its scatter cell: the count of
// a reading is the number of reels whose scatter shows.
TEST(ReelRules, AReadingCountsTheReelsWhoseScatterShows) {
  for (int stop1 = 1; stop1 <= kStops; ++stop1)
    for (int stop3 = 1; stop3 <= kStops; ++stop3) {
      Readout out;
      readReel(out, 1, stop1);
      readReel(out, 3, stop3);
      const int shown = (reelFace(1, stop1).scatterCell != 0) + (reelFace(3, stop3).scatterCell != 0);
      ASSERT_EQ(out.scattercount, shown) << stop1 << " " << stop3;
      ASSERT_EQ(out.scattercount, reelFace(1, stop1).scatters + reelFace(3, stop3).scatters);
    }
}

TEST_F(MachineTest, SpinTakesItsStopsFromTheDrawServiceAndRestsEveryReelOnIt) {
  spin({1, 22, 5, 17, 9});
  const int expected[6] = {0, 1, 22, 5, 17, 9};
  const ReelsState& reels = machine.engine.reels().state();
  const int stops[6] = {0, reels.reel1stop, reels.reel2stop, reels.reel3stop, reels.reel4stop,
                        reels.reel5stop};
  const std::int32_t pos[6] = {0, reels.reel1pos, reels.reel2pos, reels.reel3pos, reels.reel4pos,
                               reels.reel5pos};
  for (int r = 1; r <= 5; ++r) {
    EXPECT_EQ(stops[r], expected[r]);
    EXPECT_EQ(pos[r], -1875 * expected[r]);
    EXPECT_EQ(q.reel[r].top, -1875 * expected[r]) << "reel " << r << " rests on its stop";
    EXPECT_EQ(q.reel[r].left, 0);
  }
  EXPECT_EQ(q.wildcell[2], 0) << "stop 22 on reel 2 shows no wild";
}

TEST_F(MachineTest, WildInAFreeSpinHoldsItsReelForExactlyOneMoreSpin) {
  q.freespinmode = -1;  // inside a series: the settlement keeps the hold flags
  q.freespinsgiven = 20;
  q.freespinsplayed = 2;
  machine.platform.random.push({3, 10, 10, 1, 5});  // reel 3 stop 10 shows its wild (cell 11)
  machine.platform.random.push({25, 1});           // multiplier draw, throttle draw
  machine.engine.spinCycle().spin();
  EXPECT_TRUE(q.holds.wild[3]);
  EXPECT_FALSE(q.holds.held[3]);
  machine.platform.random.push({4, 5, 2, 6});  // four draws: reel 3 is held
  machine.platform.random.push({25, 1});
  machine.engine.spinCycle().spin();
  EXPECT_EQ(machine.engine.reels().state().reel3stop, 10);
  EXPECT_EQ(machine.engine.reels().state().reel1stop, 4);
  EXPECT_EQ(machine.engine.reels().state().reel5stop, 6);
  EXPECT_FALSE(q.holds.held[3]) << "cleared at the end of the animation";
  EXPECT_FALSE(q.holds.wild[3]) << "the held reel's wild flag is cleared while the others run";
  machine.platform.random.push({4, 5, 3, 2, 6});  // released: five draws again
  machine.platform.random.push({25, 1});
  machine.engine.spinCycle().spin();
  EXPECT_EQ(machine.engine.reels().state().reel3stop, 3);
}

}  // namespace
}  // namespace quov
