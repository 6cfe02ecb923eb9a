#include "tools/par/exact.h"

#include <numeric>

namespace quov::par {

ExactSheet exactSheet(const ExactCounts& c, int payout) {
  const BaseReturn base = baseReturn(c, payout);
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
  s.stdev = baseSpread(c, payout);
  const auto chances = betMultipleChances(c, payout);
  for (std::size_t b = 0; b < kBetMultipleBands.size(); ++b)
    s.distribution.push_back({kBetMultipleBands[b].label, chances[b]});
  for (std::size_t win = c.histogram.size(); win-- > 1 && s.topAwards.size() < 10;)
    if (c.histogram[win] != 0)
      s.topAwards.push_back({static_cast<double>(win) / n, c.histogram[win],
                             d / static_cast<double>(c.histogram[win])});
  return s;
}

}  // namespace quov::par
