#include "tools/par/exact.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quov::par {

ExactSheet exactSheet(const ExactCounts& c, int payout) {
  const BaseReturn base = baseReturn(c, payout);
  const std::uint64_t losing = c.outcomes - c.winning;
  const double d = static_cast<double>(base.weights);
  const double n = c.lines;
  ExactSheet s;
  s.lines = c.lines;
  s.payout = payout;
  s.lineRtp = base.line;
  s.scatterRtp = base.scatter;
  s.rtp = base.total;
  {
    const std::uint64_t num = c.lineSum + c.scatterSum;
    const std::uint64_t den = static_cast<std::uint64_t>(c.lines) * base.weights;
    const std::uint64_t g = std::gcd(num, den);
    s.rtpFraction = std::to_string(num / g) + "/" + std::to_string(den / g);
  }
  s.hitFrequency = base.hitFrequency;
  s.triggerProbability = base.triggerProbability;
  const double meanSquare = static_cast<double>(c.squareSum) / (n * n * d);
  s.stdev = std::sqrt(std::max(0.0, meanSquare - s.rtp * s.rtp));

  // Bands of the win in total bets, [from, to); the first holds every win
  // below one total bet.
  struct Band {
    const char* label;
    std::uint64_t from, to;
  };
  constexpr std::uint64_t kNoEnd = ~std::uint64_t{0} / 1024;
  constexpr Band kBands[] = {{"(0,1)", 0, 1},      {"[1,2)", 1, 2},     {"[2,5)", 2, 5},
                             {"[5,10)", 5, 10},    {"[10,20)", 10, 20}, {"[20,50)", 20, 50},
                             {"[50,100)", 50, 100}, {"[100,inf)", 100, kNoEnd}};
  s.distribution.push_back({"0", static_cast<double>(payout) * static_cast<double>(losing) / d});
  for (const Band& b : kBands) {
    std::uint64_t k = 0;
    const auto lines = static_cast<std::uint64_t>(c.lines);
    for (std::size_t win = 1; win < c.histogram.size(); ++win)
      if (win >= b.from * lines && win < b.to * lines) k += c.histogram[win];
    s.distribution.push_back({b.label, static_cast<double>(k) / d});
  }
  for (std::size_t win = c.histogram.size(); win-- > 1 && s.topAwards.size() < 10;)
    if (c.histogram[win] != 0)
      s.topAwards.push_back({static_cast<double>(win) / n, c.histogram[win],
                             d / static_cast<double>(c.histogram[win])});
  return s;
}

}  // namespace quov::par
