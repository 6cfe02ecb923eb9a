// The PAR tool's seeded draws: every value of a draw equally likely, the
// five stops of one drawing independent of each other, and a chunk's draws
// fixed by the run's seed and the chunk's number alone.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "rules/chunk_random.h"

namespace quov {
namespace {

// Pearson's statistic of observed counts against equal expected counts.
double chiSquare(const std::vector<int>& counts, double expected) {
  double x = 0;
  for (int c : counts) x += (c - expected) * (c - expected) / expected;
  return x;
}

TEST(ChunkRandom, DrawsEveryValueEquallyOftenAndNothingForOneValue) {
  ChunkRandom draw(5, 0);
  for (int n : {2, 4, 25, 120}) {
    std::vector<int> counts(static_cast<std::size_t>(n), 0);
    const int per = 2000;
    for (int i = 0; i < n * per; ++i) {
      const int d = draw(n);
      ASSERT_GE(d, 1);
      ASSERT_LE(d, n);
      ++counts[static_cast<std::size_t>(d - 1)];
    }
    // n - 1 degrees of freedom; a bound six standard deviations out.
    EXPECT_LT(chiSquare(counts, per), (n - 1) + 6 * std::sqrt(2.0 * (n - 1))) << "1.." << n;
  }
  ChunkRandom a(5, 1), b(5, 1);
  EXPECT_EQ(a(1), 1);
  EXPECT_EQ(a(0), 1);
  EXPECT_EQ(a(100), b(100)) << "a draw of one value takes nothing from the generator";
}

TEST(ChunkRandom, AllStopsAreUniformAndIndependentReelByReel) {
  ChunkRandom draw(11, 3);
  constexpr int kPairs = kStops * kStops;
  constexpr int kPerPair = 400;
  std::array<std::vector<int>, kReels> single;
  std::array<std::vector<int>, kReels - 1> pairs;
  for (auto& s : single) s.assign(kStops, 0);
  for (auto& p : pairs) p.assign(kPairs, 0);
  std::array<int, kReels + 1> stops{};
  for (int i = 0; i < kPairs * kPerPair; ++i) {
    draw.allStops(stops);
    for (int r = 1; r <= kReels; ++r) {
      ASSERT_GE(stops[r], 1);
      ASSERT_LE(stops[r], kStops);
      ++single[r - 1][stops[r] - 1];
    }
    for (int r = 1; r < kReels; ++r) ++pairs[r - 1][(stops[r] - 1) * kStops + stops[r + 1] - 1];
  }
  const double dof1 = kStops - 1, dof2 = kPairs - 1;
  for (int r = 0; r < kReels; ++r)
    EXPECT_LT(chiSquare(single[r], kPairs * kPerPair / double{kStops}), dof1 + 6 * std::sqrt(2 * dof1))
        << "reel " << r + 1;
  // Neighbouring reels take neighbouring digits of one word: their pairs
  // must be as even as independent draws make them.
  for (int r = 0; r < kReels - 1; ++r)
    EXPECT_LT(chiSquare(pairs[r], kPerPair), dof2 + 6 * std::sqrt(2 * dof2)) << "reels " << r + 1 << "-" << r + 2;
}

TEST(ChunkRandom, TheSeedAndTheChunkFixTheDraws) {
  auto firstStops = [](std::uint64_t seed, std::uint64_t chunk) {
    ChunkRandom draw(seed, chunk);
    std::vector<int> seen;
    std::array<int, kReels + 1> stops{};
    for (int i = 0; i < 50; ++i) {
      draw.allStops(stops);
      seen.insert(seen.end(), stops.begin() + 1, stops.end());
      seen.push_back(draw(120));
    }
    return seen;
  };
  EXPECT_EQ(firstStops(1, 0), firstStops(1, 0));
  EXPECT_NE(firstStops(1, 0), firstStops(1, 1));
  EXPECT_NE(firstStops(1, 0), firstStops(2, 0));
}

}  // namespace
}  // namespace quov
