#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

#include "platform/random.h"

namespace quov {
namespace {

// Chi-square statistic of observed counts against a uniform expectation.
template <std::size_t N>
double chiSquare(const std::array<long, N>& counts, long total) {
  const double expected = static_cast<double>(total) / N;
  double chi = 0;
  for (long c : counts) chi += (c - expected) * (c - expected) / expected;
  return chi;
}

TEST(Random, DrawsStayWithinOneToN) {
  SeededRandom r(7);
  for (int n : {1, 2, 4, 16, 22, 25, 120})
    for (int i = 0; i < 10000; ++i) {
      const int d = r.draw(n);
      ASSERT_GE(d, 1);
      ASSERT_LE(d, n);
    }
}

TEST(Random, ScriptedDrawsComeFirstAndAreChecked) {
  SeededRandom base(1);
  ScriptedRandom r(base);
  r.push({3, 22, 1});
  EXPECT_EQ(r.draw(22), 3);
  EXPECT_EQ(r.draw(22), 22);
  EXPECT_EQ(r.draw(120), 1);
  r.push(23);
  EXPECT_THROW(r.draw(22), std::logic_error);
}

TEST(Random, MillionDrawsOverTwentyTwoStopsPassChiSquare) {
  SeededRandom r(2026);
  for (int reel = 1; reel <= 5; ++reel) {
    std::array<long, 22> counts{};
    for (int i = 0; i < 1000000; ++i) ++counts[r.draw(22) - 1];
    EXPECT_LT(chiSquare(counts, 1000000), 38.93) << "reel " << reel;
  }
  long hits = 0;
  for (int i = 0; i < 1000000; ++i) hits += r.draw(120) == 1;
  EXPECT_NEAR(hits / 1e6, 1.0 / 120, 0.0004);
}

}  // namespace
}  // namespace quov
