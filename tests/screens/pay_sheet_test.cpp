// The pay-table picture's numbers: the pays the game's evaluation pays, the
// scatter pays, awards, wild reels and multipliers of the rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

#include "rules/paytable.h"
#include "rules/reels.h"
#include "screens/pay_sheet.h"

namespace quov {
namespace {

// A stop of `reel` that shows `s` on line 1, or with `showIt` false one that
// shows neither `s` nor the wild there; 0 when the strip has none.
int stopForLine1(int reel, Symbol s, bool showIt) {
  for (int stop = 1; stop <= kStops; ++stop) {
    const Symbol shown = visibleSymbol(reel, stop, paylineRow(1, reel));
    if (showIt ? shown == s : shown != s && shown != Symbol::Wild) return stop;
  }
  return 0;
}

// What the evaluation pays for a run of exactly `n` of `s` on line 1 at one
// cent a line, read from real reel stops; nullopt when the strips cannot
// show that run.
std::optional<std::int32_t> evaluatedPay(Symbol s, int n) {
  Readout out;
  for (int reel = 1; reel <= kReels; ++reel) {
    const int stop = stopForLine1(reel, s, reel <= n);
    if (stop == 0) return std::nullopt;
    readReel(out, reel, stop);
  }
  LineArray winline{}, winlength{};
  return evaluateLines(out.match, 1, 1, winline, winlength);
}

TEST(PaySheet, ShowsEveryLineSymbolWithTheEvaluationsOwnPays) {
  const PaySheet sheet = paySheet();
  ASSERT_EQ(sheet.symbols.size(), static_cast<std::size_t>(kLineSymbols));
  for (const PaySheet::SymbolPays& row : sheet.symbols) {
    std::map<int, int> shown;
    for (const PaySheet::Pay& pay : row.pays) shown[pay.count] = pay.multiple;
    for (int n = 2; n <= 5; ++n) {
      const std::optional<std::int32_t> evaluated = evaluatedPay(row.symbol, n);
      ASSERT_TRUE(evaluated) << symbolName(row.symbol) << " " << n;
      const std::int32_t paid = *evaluated;
      if (paid == 0)
        EXPECT_EQ(shown.count(n), 0u) << symbolName(row.symbol) << " " << n;
      else
        EXPECT_EQ(shown[n], paid) << symbolName(row.symbol) << " " << n;
    }
    EXPECT_TRUE(std::is_sorted(row.pays.begin(), row.pays.end(),
                               [](const auto& a, const auto& b) { return a.count > b.count; }));
  }
}

TEST(PaySheet, TheBestPayingSymbolComesFirstAndOnlyTheLotusPaysAPair) {
  const PaySheet sheet = paySheet();
  EXPECT_EQ(sheet.symbols.front().symbol, Symbol::Cobra);
  EXPECT_EQ(sheet.symbols.front().pays.front().multiple, 1500);
  for (std::size_t i = 1; i < sheet.symbols.size(); ++i)
    EXPECT_GE(sheet.symbols[i - 1].pays.front().multiple, sheet.symbols[i].pays.front().multiple);
  for (const PaySheet::SymbolPays& row : sheet.symbols) {
    const bool pair = row.pays.back().count == 2;
    EXPECT_EQ(pair, row.symbol == Symbol::Lotus) << symbolName(row.symbol);
    if (pair) {
      EXPECT_EQ(row.pays.back().multiple, 2);
    }
  }
}

TEST(PaySheet, ScattersWildAndFreeSpins) {
  const PaySheet sheet = paySheet();
  ASSERT_EQ(sheet.scatterPays.size(), 4u);
  const int scatters[4][2] = {{5, 20}, {4, 10}, {3, 5}, {2, 1}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(sheet.scatterPays[i].count, scatters[i][0]);
    EXPECT_EQ(sheet.scatterPays[i].multiple, scatters[i][1]);
  }
  ASSERT_EQ(sheet.awards.size(), 3u);
  const int awards[3][2] = {{3, 10}, {4, 15}, {5, 20}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(sheet.awards[i].scatters, awards[i][0]);
    EXPECT_EQ(sheet.awards[i].freeSpins, awards[i][1]);
  }
  EXPECT_EQ(sheet.wildReels, (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(sheet.multipliers, (std::vector<int>{2, 3, 5, 10}));
}

}  // namespace
}  // namespace quov
