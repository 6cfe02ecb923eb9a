// The faces and line masks behind the evaluation: every face against the
// strips it is worked out from, and the mask evaluation the PAR tool plays
// with against the evaluation the game's handlers call.
#include <gtest/gtest.h>

#include <bit>

#include "rules/paytable.h"
#include "rules/reels.h"

namespace quov {
namespace {

TEST(LineMasks, EveryFaceShowsWhatItsStripShowsOnEveryLine) {
  for (int reel = 1; reel <= kReels; ++reel)
    for (int stop = 1; stop <= kStops; ++stop) {
      const ReelFace& f = reelFace(reel, stop);
      LineMask leadLines = 0;
      for (int i = 0; i < f.leadCount; ++i) leadLines |= f.leads[static_cast<std::size_t>(i)].lines;
      for (int line = 1; line <= kLines; ++line) {
        const Symbol shown = visibleSymbol(reel, stop, paylineRow(line, reel));
        for (int k = 0; k < kLineSymbols; ++k) {
          const bool carries = (f.carries[static_cast<std::size_t>(k)] & lineBit(line)) != 0;
          ASSERT_EQ(carries, shown == static_cast<Symbol>(k) || shown == Symbol::Wild)
              << "reel " << reel << " stop " << stop << " line " << line;
        }
        ASSERT_EQ((f.wildLines & lineBit(line)) != 0, shown == Symbol::Wild);
        ASSERT_EQ(f.leadOfLine[static_cast<std::size_t>(line)],
                  isLineSymbol(shown) ? static_cast<int>(shown) : MatchValues::kNoLead);
        ASSERT_EQ((leadLines & lineBit(line)) != 0, isLineSymbol(shown));
      }
      for (int row = Top; row <= Bottom; ++row) {
        const Symbol s = visibleSymbol(reel, stop, row);
        ASSERT_EQ(f.shows[static_cast<std::size_t>(row)], s);
        if (s == Symbol::Wild) {
          ASSERT_EQ(f.wildCell, cellCode(reel, row));
        }
        if (s == Symbol::Scatter) {
          ASSERT_EQ(f.scatterCell, cellCode(reel, row));
        }
      }
      ASSERT_EQ(f.scatters, f.scatterCell != 0 ? 1 : 0);
      ASSERT_EQ(f.wilds, f.wildCell != 0 ? 1 : 0);
    }
  EXPECT_EQ(firstLines(25), (1u << 25) - 1);
  EXPECT_EQ(firstLines(1), 1u);
  EXPECT_EQ(firstLines(0), 0u);
  for (LineMask m : {0u, 1u, 0x1FFFFFFu, 0x1555555u, 0x1000001u, 0x0ABCDEFu})
    EXPECT_EQ(lineCount(m), std::popcount(m));
}

TEST(LineMasks, TheMaskEvaluationPaysAsTheGamesEvaluationWithLengthsLeftOnTheLines) {
  // Every stop of reels 1 to 4 with reel 5 at a stop that varies, on a
  // changing number of lines, some with run lengths left from earlier
  // evaluations.
  int paying = 0;
  for (int i = 0; i < 22 * 22 * 22 * 22; ++i) {
    const int stops[6] = {0, i % 22 + 1, i / 22 % 22 + 1, i / 484 % 22 + 1, i / 10648 + 1, (i * 7) % 22 + 1};
    const int lines = 1 + i % 25;
    Readout out;
    for (int r = 1; r <= kReels; ++r) readReel(out, r, stops[r]);
    LineArray winline{}, winlength{};
    WinLengths lengths;
    if (i % 3 == 0)
      for (int line = 1; line <= kLines; ++line) {
        winlength[static_cast<std::size_t>(line)] = static_cast<std::int16_t>((line * i) % 6);
        if ((line * i) % 6 >= 2) lengths.runs[static_cast<std::size_t>((line * i) % 6 - 2)] |= lineBit(line);
      }
    const std::int32_t win = evaluateLines(out.match, lines, 3, winline, winlength);
    Faces faces{};
    for (int r = 1; r <= kReels; ++r) faces[static_cast<std::size_t>(r - 1)] = &reelFace(r, stops[r]);
    const LineWins w = payLines(faces, lines, lengths);
    ASSERT_EQ(win, 3 * w.pays) << "outcome " << i;
    for (int line = 1; line <= kLines; ++line) {
      int n = 0;
      for (int k = 0; k < 4; ++k)
        if (lengths.runs[static_cast<std::size_t>(k)] & lineBit(line)) n = k + 2;
      const int left = winlength[static_cast<std::size_t>(line)];
      ASSERT_EQ(n, left >= 2 && left <= 5 ? left : 0) << "outcome " << i << " line " << line;
      ASSERT_EQ(winline[static_cast<std::size_t>(line)] != 0, (w.paid() & lineBit(line)) != 0);
    }
    paying += win > 0;
  }
  EXPECT_GT(paying, 20000);
}

}  // namespace
}  // namespace quov
