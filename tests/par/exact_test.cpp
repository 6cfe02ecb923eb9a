// The exact base game worked out a second way, sharing nothing with the
// tool but the strips, the paylines and the pay table written out here
// again: line pays line by line as exact fractions (the reels stop
// independently), scatter pays from each reel's chance of showing its
// scatter, and hit frequency and spread by playing every stop.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "tools/par/exact.h"

namespace quov {
namespace {

constexpr int kStopCount = 22;
constexpr std::uint64_t kAllStops = 22ull * 22 * 22 * 22 * 22;
constexpr const char* kStripCells[5] = {
    "LEJKLRJALQSLPJSQDJEKRKCLRAQKR", "KLWKQLJQSPAEQJDKLRDQJCSLAWKQJ",
    "RCLQREPARSEWLRJQACDLAJKELAQRK", "PAESKLSPAEQWJLKRLJCDLAQRCWKAJ",
    "KLRKQEAJCPALSQEJRADCSKJLRQCSQ"};
constexpr const char* kLineRows[25] = {
    "MMMMM", "TTTTT", "BBBBB", "TMBMT", "BMTMB", "TTMTT", "BBMBB", "MTTTM", "MBBBM",
    "MMTMM", "MMBMM", "TMMMT", "BMMMB", "TMTMT", "MTMTM", "BMBMB", "MBMBM", "TBTBT",
    "BTBTB", "MTBTM", "MBTBM", "MTMBM", "MBMTM", "TTTMB", "BBBMT"};
constexpr const char* kSymbols = "JKQLEARSDC";
constexpr int kPays[10][4] = {{0, 5, 20, 100},  {0, 15, 50, 175},  {0, 10, 20, 100}, {2, 10, 20, 100},
                              {0, 100, 250, 800}, {0, 20, 40, 125}, {0, 50, 75, 150}, {0, 20, 50, 150},
                              {0, 100, 250, 800}, {0, 300, 600, 1500}};
constexpr int kScatterPays[6] = {0, 0, 1, 5, 10, 20};
constexpr int kLineCounts[5] = {1, 5, 10, 15, 25};

int rowIndex(char row) { return row == 'T' ? 0 : row == 'M' ? 1 : 2; }
char cell(int reel, int stop, int row) { return kStripCells[reel][stop + row]; }

// Stops (1..22) at which reel `reel` shows `sym`, or the wild, in `row`.
std::uint64_t stopsCarrying(int reel, int row, char sym) {
  std::uint64_t n = 0;
  for (int stop = 1; stop <= kStopCount; ++stop) n += cell(reel, stop, row) == sym || cell(reel, stop, row) == 'W';
  return n;
}

// Sum over every stop of the pays of one line, in bets per line.
std::uint64_t linePaySum(int line) {
  const char* rows = kLineRows[line - 1];
  std::uint64_t sum = 0;
  for (int s = 0; s < 10; ++s) {
    const char sym = kSymbols[s];
    std::uint64_t on[5];
    on[0] = 0;
    for (int stop = 1; stop <= kStopCount; ++stop) on[0] += cell(0, stop, rowIndex(rows[0])) == sym;
    for (int r = 1; r < 5; ++r) on[r] = stopsCarrying(r, rowIndex(rows[r]), sym);
    const std::uint64_t k = kStopCount;
    sum += kPays[s][0] * on[0] * on[1] * (k - on[2]) * k * k;
    sum += kPays[s][1] * on[0] * on[1] * on[2] * (k - on[3]) * k;
    sum += kPays[s][2] * on[0] * on[1] * on[2] * on[3] * (k - on[4]);
    sum += kPays[s][3] * on[0] * on[1] * on[2] * on[3] * on[4];
  }
  return sum;
}

// Stops counted by the number of scatters they show.
std::array<std::uint64_t, 6> scatterCounts() {
  std::array<std::uint64_t, 6> ways{1};
  for (int r = 0; r < 5; ++r) {
    std::uint64_t with = 0;
    for (int stop = 1; stop <= kStopCount; ++stop)
      for (int row = 0; row < 3; ++row) with += cell(r, stop, row) == 'P';
    std::array<std::uint64_t, 6> next{};
    for (int n = 0; n < 5; ++n) {
      next[n] += ways[n] * (kStopCount - with);
      next[n + 1] += ways[n] * with;
    }
    ways = next;
  }
  return ways;
}

// Every stop played: per line count, the winning stops and the sums of the
// win and of its square, in bets per line.
struct Played {
  std::array<std::uint64_t, 5> winning{}, sum{}, squares{};
};
Played playEveryStop() {
  Played p;
  int rowOf[25][5];
  for (int line = 0; line < 25; ++line)
    for (int r = 0; r < 5; ++r) rowOf[line][r] = rowIndex(kLineRows[line][r]);
  int payOf[128][6]{};
  for (int s = 0; s < 10; ++s)
    for (int n = 2; n <= 5; ++n) payOf[static_cast<int>(kSymbols[s])][n] = kPays[s][n - 2];
  int stops[5];
  for (std::uint64_t i = 0; i < kAllStops; ++i) {
    std::uint64_t x = i;
    int scatters = 0;
    for (int r = 0; r < 5; ++r) {
      stops[r] = static_cast<int>(x % kStopCount) + 1;
      x /= kStopCount;
      for (int row = 0; row < 3; ++row) scatters += cell(r, stops[r], row) == 'P';
    }
    std::uint64_t lineWin = 0;
    int next = 0;
    for (int line = 0; line < 25; ++line) {
      const char first = cell(0, stops[0], rowOf[line][0]);
      int n = 1;
      while (n < 5) {
        const char c = cell(n, stops[n], rowOf[line][n]);
        if (c != first && c != 'W') break;
        ++n;
      }
      if (first != 'P') lineWin += payOf[static_cast<int>(first)][n];
      if (line + 1 == kLineCounts[next]) {
        const std::uint64_t win = lineWin + static_cast<std::uint64_t>(kScatterPays[scatters]) * (line + 1);
        p.winning[next] += win > 0;
        p.sum[next] += win;
        p.squares[next] += win * win;
        ++next;
      }
    }
  }
  return p;
}

TEST(ExactSheet, AgreesWithASecondComputationToTheLastDigit) {
  const auto counts = enumerateBaseGame();
  const auto scatters = scatterCounts();
  const Played played = playEveryStop();
  std::uint64_t scatterSum = 0, triggers = 0;
  for (int n = 0; n <= 5; ++n) scatterSum += scatters[n] * kScatterPays[n];
  for (int n = 3; n <= 5; ++n) triggers += scatters[n];

  std::uint64_t lineSum = 0;
  int line = 0;
  for (int i = 0; i < 5; ++i) {
    const int lines = kLineCounts[i];
    while (line < lines) lineSum += linePaySum(++line);
    SCOPED_TRACE(std::to_string(lines) + " lines");
    ASSERT_EQ(played.sum[i], lineSum + scatterSum * lines) << "two ways of summing agree";
    for (int payout : {1, 3, 4}) {
      SCOPED_TRACE("payout " + std::to_string(payout));
      // A winning stop stands one time in m, a losing one always.
      const double weights = static_cast<double>(payout) * static_cast<double>(kAllStops - played.winning[i]) +
                             static_cast<double>(played.winning[i]);
      const double n = lines;
      const par::ExactSheet s = par::exactSheet(counts[static_cast<std::size_t>(i)], payout);
      const double rtp = static_cast<double>(lineSum + scatterSum * lines) / (n * weights);
      EXPECT_NEAR(s.lineRtp, static_cast<double>(lineSum) / (n * weights), 1e-9);
      EXPECT_NEAR(s.scatterRtp, static_cast<double>(scatterSum) / weights, 1e-9);
      EXPECT_NEAR(s.rtp, rtp, 1e-9);
      EXPECT_NEAR(s.triggerProbability, static_cast<double>(triggers) / weights, 1e-9);
      EXPECT_NEAR(s.hitFrequency, static_cast<double>(played.winning[i]) / weights, 1e-9);
      const double meanSquare = static_cast<double>(played.squares[i]) / (n * n * weights);
      EXPECT_NEAR(s.stdev, std::sqrt(meanSquare - rtp * rtp), 1e-9);
      double total = 0;
      for (const par::WinBand& b : s.distribution) total += b.probability;
      EXPECT_NEAR(total, 1.0, 1e-12) << "the win bands cover every outcome";
    }
  }
  // The figures quoted for 25 lines: about 0.84 of the stake with every
  // outcome kept, 0.42 and 0.34 under the throttle.
  EXPECT_NEAR(par::exactSheet(counts[4], 1).rtp, 0.843, 0.001);
  EXPECT_NEAR(par::exactSheet(counts[4], 3).rtp, 0.425, 0.001);
  EXPECT_NEAR(par::exactSheet(counts[4], 4).rtp, 0.340, 0.001);
}

TEST(ExactSheet, TopAwardsAreTheLargestWinsWithTheirOdds) {
  const auto counts = enumerateBaseGame();
  const par::ExactSheet oneLine = par::exactSheet(counts[0], 1);
  ASSERT_FALSE(oneLine.topAwards.empty());
  // Five cobras on the one line pay 1500 bets: no award is larger by less.
  EXPECT_GE(oneLine.topAwards.front().totalBets, 1500);
  for (std::size_t i = 1; i < oneLine.topAwards.size(); ++i)
    EXPECT_LT(oneLine.topAwards[i].totalBets, oneLine.topAwards[i - 1].totalBets);
  EXPECT_NEAR(oneLine.topAwards.front().oneIn,
              static_cast<double>(kAllStops) / static_cast<double>(oneLine.topAwards.front().count), 1e-6);
}

TEST(ExactSheet, OneLineCountAloneCountsAsInTheSweepOfAll) {
  const auto all = enumerateBaseGame();
  for (std::size_t i : {std::size_t{0}, std::size_t{2}, all.size() - 1}) {
    const ExactCounts one = enumerateBaseGame(all[i].lines);
    SCOPED_TRACE(std::to_string(one.lines) + " lines");
    EXPECT_EQ(one.lines, all[i].lines);
    EXPECT_EQ(one.outcomes, all[i].outcomes);
    EXPECT_EQ(one.lineSum, all[i].lineSum);
    EXPECT_EQ(one.scatterSum, all[i].scatterSum);
    EXPECT_EQ(one.squareSum, all[i].squareSum);
    EXPECT_EQ(one.winning, all[i].winning);
    EXPECT_EQ(one.triggers, all[i].triggers);
    EXPECT_EQ(one.histogram, all[i].histogram);
  }
}

}  // namespace
}  // namespace quov
