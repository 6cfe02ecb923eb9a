#include <gtest/gtest.h>

#include "outcomes.h"
#include "rules/paytable.h"
#include "sound/clips.h"

namespace quov {
namespace {

using testing::evaluate;
using testing::Stops;
using testing::stopShowing;

// Stops that show the given symbols in the middle row (payline 1).
Stops middleRow(Symbol a, Symbol b, Symbol c, Symbol d, Symbol e) {
  const Symbol want[5] = {a, b, c, d, e};
  Stops s{};
  for (int r = 1; r <= 5; ++r) {
    s[r - 1] = stopShowing(r, Middle, want[r - 1]);
    EXPECT_NE(s[r - 1], 0) << "reel " << r << " never shows " << symbolName(want[r - 1]);
  }
  return s;
}

TEST(Evaluation, CobraOnReelsOneTwoThreeAndFivePaysThreeOfAKind) {
  auto o = evaluate(middleRow(Symbol::Cobra, Symbol::Cobra, Symbol::Cobra, Symbol::J, Symbol::Cobra),
                    1, 2);
  EXPECT_EQ(o.readout.match.of(Symbol::Cobra)[1], 41);
  EXPECT_EQ(o.lineWin, 300 * 2);
  EXPECT_EQ(o.winline[1], 1);
  EXPECT_EQ(o.winlength[1], 3);
}

TEST(Evaluation, LotusPairsPayTwoWhateverTheReelsAfterTheGap) {
  auto pair = evaluate(middleRow(Symbol::Lotus, Symbol::Lotus, Symbol::K, Symbol::J, Symbol::Q), 1, 1);
  EXPECT_EQ(pair.readout.match.of(Symbol::Lotus)[1], 15);
  EXPECT_EQ(pair.lineWin, 2);
  EXPECT_EQ(pair.winlength[1], 2);
  auto gap = evaluate(middleRow(Symbol::Lotus, Symbol::Lotus, Symbol::K, Symbol::Lotus, Symbol::Lotus),
                      1, 1);
  EXPECT_EQ(gap.readout.match.of(Symbol::Lotus)[1], 45);
  EXPECT_EQ(gap.lineWin, 2);
}

TEST(Evaluation, JackWildQueenPaysNothing) {
  // Reel 2 at stop 1 has its wild in the middle row.
  Stops s = middleRow(Symbol::J, Symbol::Wild, Symbol::Q, Symbol::Q, Symbol::Q);
  EXPECT_EQ(s[1], 1);
  auto o = evaluate(s, 1, 5);
  EXPECT_EQ(o.readout.match.of(Symbol::J)[1], 15) << "a pair of J does not pay";
  EXPECT_EQ(o.readout.match.of(Symbol::Q)[1], 43) << "Q has no run: reel 1 shows no Q";
  EXPECT_EQ(o.lineWin, 0);
  EXPECT_EQ(o.winline[1], 0);
}

TEST(Evaluation, WildCompletesRunsOfTheSymbolOnReelOne) {
  auto o = evaluate(middleRow(Symbol::Eye, Symbol::Wild, Symbol::Eye, Symbol::Eye, Symbol::Eye), 1, 1);
  EXPECT_EQ(o.readout.match.of(Symbol::Eye)[1], 51);
  EXPECT_EQ(o.lineWin, 800);
  EXPECT_EQ(o.winlength[1], 5);
}

TEST(Evaluation, LotusPairStaysUnpaidWhereALongerRunOfTheSeriesHoldsTheLine) {
  auto stops = middleRow(Symbol::Lotus, Symbol::Lotus, Symbol::K, Symbol::J, Symbol::Q);
  testing::Outcome o;
  for (int r = 1; r <= 5; ++r) readReel(o.readout, r, stops[r - 1]);
  o.winlength[1] = 3;  // line 1 paid a run of three earlier in the series
  EXPECT_EQ(evaluateLines(o.readout.match, 1, 1, o.winline, o.winlength), 0);
  EXPECT_EQ(o.winlength[1], 3);
}

// The evaluation as the pay table states it: every line tests the ten
// symbols in the fixed order ankh, cobra, dog, scarab, eye, lotus, K, Q,
// ring, J.
std::int32_t fixedOrderEvaluation(const MatchValues& match, int lines, int bet, LineArray& winline,
                                  LineArray& winlength) {
  constexpr Symbol kOrder[] = {Symbol::Ankh,  Symbol::Cobra, Symbol::Dog, Symbol::Scarab,
                               Symbol::Eye,   Symbol::Lotus, Symbol::K,   Symbol::Q,
                               Symbol::Ring,  Symbol::J};
  std::int32_t win = 0;
  for (int line = 1; line <= lines; ++line)
    for (Symbol s : kOrder) {
      const int n = runLength(match.of(s)[line], s);
      if (n == 0 || (n == 2 && winlength[line] > 2)) continue;
      win += linePay(s, n) * bet;
      winline[line] = static_cast<std::int16_t>(line);
      winlength[line] = static_cast<std::int16_t>(n);
    }
  return win;
}

TEST(Evaluation, AgreesWithTheFixedSymbolOrderOnEveryOutcomeOfThreeReelsAndASample) {
  // All 22^3 outcomes of reels 1-3 with reels 4 and 5 at every 7th pair,
  // with and without run lengths left from earlier spins of a series.
  int checked = 0;
  for (int a = 1; a <= 22; ++a)
    for (int b = 1; b <= 22; ++b)
      for (int c = 1; c <= 22; ++c)
        for (int de = (a + b + c) % 7; de < 22 * 22; de += 7) {
          Readout out;
          const int stops[6] = {0, a, b, c, de / 22 + 1, de % 22 + 1};
          for (int r = 1; r <= 5; ++r) readReel(out, r, stops[r]);
          LineArray wl1{}, wl2{}, len1{}, len2{};
          if (de % 3 == 0)
            for (int line = 1; line <= kLines; ++line) len1[line] = len2[line] = (line * de) % 6;
          const auto bet = 1 + de % 20;
          ASSERT_EQ(evaluateLines(out.match, 25, bet, wl1, len1),
                    fixedOrderEvaluation(out.match, 25, bet, wl2, len2));
          ASSERT_EQ(wl1, wl2);
          ASSERT_EQ(len1, len2);
          ++checked;
        }
  EXPECT_GT(checked, 700000);
}

TEST(Evaluation, PayTableAndRunDecoding) {
  EXPECT_EQ(linePay(Symbol::Cobra, 5), 1500);
  EXPECT_EQ(linePay(Symbol::K, 5), 175);
  EXPECT_EQ(linePay(Symbol::Ring, 4), 75);
  EXPECT_EQ(linePay(Symbol::J, 2), 0);
  for (int v : {15, 25, 35, 45}) {
    EXPECT_EQ(runLength(v, Symbol::Lotus), 2);
    EXPECT_EQ(runLength(v, Symbol::Dog), 0);
  }
  EXPECT_EQ(runLength(21, Symbol::J), 3);
  EXPECT_EQ(runLength(31, Symbol::J), 4);
  EXPECT_EQ(runLength(51, Symbol::J), 5);
  for (int v : {0, 8, 14, 28, 38, 43, 50, 52, 63, 64, -1}) EXPECT_EQ(runLength(v, Symbol::Lotus), 0);
}

TEST(Evaluation, ScatterPaysMultiplyTheTotalBet) {
  EXPECT_EQ(scatterMultiple(2) * 1 * 5, 5);         // 1 line at 5 cents
  EXPECT_EQ(scatterMultiple(5) * 25 * 20, 10000);   // 25 lines at 20 cents
  EXPECT_EQ(scatterMultiple(1), 0);
  EXPECT_EQ(scatterMultiple(3), 5);
  EXPECT_EQ(scatterMultiple(4), 10);
}

TEST(Evaluation, WinSizeTableBorders) {
  struct Case {
    int win, pause, clip;
  } cases[] = {{0, 10, 0},       {1, 10, 105},     {10, 10, 105},    {11, 10, 112},
               {21, 10, 112},    {22, 15, 117},    {31, 15, 114},    {50, 15, 115},
               {51, 15, 117},    {101, 20, 118},   {150, 20, 119},   {200, 20, 120},
               {300, 20, 117},   {301, 30, 122},   {451, 10, 123},   {600, 10, 123},
               {601, 35, 126},   {751, 35, 124},   {2000, 35, 124},  {2001, 120, 140},
               {1000000, 120, 140}};
  for (const Case& c : cases) {
    const WinSize w = winSize(c.win);
    EXPECT_EQ(w.autopause, c.pause) << c.win;
    EXPECT_EQ(resourceNumber(winClip(w)), c.clip) << c.win;
  }
}

}  // namespace
}  // namespace quov
