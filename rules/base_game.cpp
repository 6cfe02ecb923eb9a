#include "rules/base_game.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "rules/paytable.h"
#include "rules/reels.h"

namespace quov {

namespace {

constexpr int kMaxLinePay = 1500;
constexpr int kMaxScatterPay = 20;

void count(ExactCounts& c, std::uint64_t lineWin, int scatters, std::uint64_t times) {
  const std::uint64_t scatterWin = static_cast<std::uint64_t>(scatterMultiple(scatters)) * c.lines;
  const std::uint64_t win = lineWin + scatterWin;
  c.lineSum += lineWin * times;
  c.scatterSum += scatterWin * times;
  c.squareSum += win * win * times;
  if (win > 0) c.winning += times;
  if (scatters >= 3) c.triggers += times;
  c.histogram[win] += times;
}

// Enumerates every stop for the line counts the counts are set up for.
void enumerate(std::span<ExactCounts> all) {
  for (ExactCounts& c : all) {
    c.outcomes = 1;
    for (int r = 0; r < kReels; ++r) c.outcomes *= kStops;
    c.histogram.assign(static_cast<std::size_t>((kMaxLinePay + kMaxScatterPay) * c.lines + 1), 0);
  }
  // Reel 5 decides a line's pay only where reels 1 to 4 already carry the
  // symbol; elsewhere only whether it shows its scatter matters.
  std::uint64_t reel5Scatter = 0;
  for (int s = 1; s <= kStops; ++s) reel5Scatter += reelFace(5, s).scatterCell != 0;
  const std::uint64_t reel5Plain = kStops - reel5Scatter;

  for (int s1 = 1; s1 <= kStops; ++s1) {
    const ReelFace& f1 = reelFace(1, s1);
    for (int s2 = 1; s2 <= kStops; ++s2) {
      const ReelFace& f2 = reelFace(2, s2);
      for (int s3 = 1; s3 <= kStops; ++s3) {
        const ReelFace& f3 = reelFace(3, s3);
        for (int s4 = 1; s4 <= kStops; ++s4) {
          const ReelFace& f4 = reelFace(4, s4);
          const int scatters = (f1.scatterCell != 0) + (f2.scatterCell != 0) +
                               (f3.scatterCell != 0) + (f4.scatterCell != 0);
          // The runs of reel 1's symbols through reels 2, 3 and 4.
          LineMask reach3[kRows]{}, reach4[kRows]{};
          LineMask anyReach4 = 0;
          for (int i = 0; i < f1.leadCount; ++i) {
            const auto k = static_cast<int>(f1.leads[i].symbol);
            reach3[i] = f1.leads[i].lines & f2.carries[k] & f3.carries[k];
            reach4[i] = reach3[i] & f4.carries[k];
            anyReach4 |= reach4[i];
          }
          for (ExactCounts& c : all) {
            const LineMask played = firstLines(c.lines);
            auto lineWin = [&](const ReelFace* f5) {
              LineWins w;
              w.runs[0] = lotusPairs(f1, f2, f3, played);
              for (int i = 0; i < f1.leadCount; ++i) {
                const Symbol s = f1.leads[i].symbol;
                const LineMask r4 = reach4[i] & played;
                const LineMask r5 = f5 != nullptr ? r4 & f5->carries[static_cast<int>(s)] : 0;
                addRuns(w, s, reach3[i] & played, r4, r5);
              }
              payPairs(w, 0);  // a spin press leaves no run lengths behind
              return static_cast<std::uint64_t>(w.pays);
            };
            if ((anyReach4 & played) == 0) {
              const std::uint64_t win = lineWin(nullptr);
              count(c, win, scatters, reel5Plain);
              count(c, win, scatters + 1, reel5Scatter);
            } else {
              for (int s5 = 1; s5 <= kStops; ++s5) {
                const ReelFace& f5 = reelFace(5, s5);
                count(c, lineWin(&f5), scatters + (f5.scatterCell != 0), 1);
              }
            }
          }
        }
      }
    }
  }
}

}  // namespace

std::array<ExactCounts, kLineChoices.size()> enumerateBaseGame() {
  std::array<ExactCounts, kLineChoices.size()> all{};
  for (std::size_t i = 0; i < all.size(); ++i) all[i].lines = kLineChoices[i];
  enumerate(all);
  return all;
}

ExactCounts enumerateBaseGame(int lines) {
  ExactCounts one;
  one.lines = lines;
  enumerate(std::span<ExactCounts>(&one, 1));
  return one;
}

BaseReturn baseReturn(const ExactCounts& c, int machinepay) {
  BaseReturn r;
  const std::uint64_t losing = c.outcomes - c.winning;
  r.weights = static_cast<std::uint64_t>(machinepay) * losing + c.winning;
  const double d = static_cast<double>(r.weights);
  const double n = c.lines;
  r.line = static_cast<double>(c.lineSum) / (n * d);
  r.scatter = static_cast<double>(c.scatterSum) / (n * d);
  r.total = r.line + r.scatter;
  r.hitFrequency = static_cast<double>(c.winning) / d;
  r.triggerProbability = static_cast<double>(c.triggers) / d;
  return r;
}

double baseSpread(const ExactCounts& c, int machinepay) {
  const BaseReturn base = baseReturn(c, machinepay);
  const double n = c.lines;
  const double meanSquare = static_cast<double>(c.squareSum) / (n * n * static_cast<double>(base.weights));
  return std::sqrt(std::max(0.0, meanSquare - base.total * base.total));
}

std::size_t betMultipleBand(std::uint64_t win, std::uint64_t totalBet) {
  if (win == 0) return 0;
  for (std::size_t b = 1; b + 1 < kBetMultipleBands.size(); ++b)
    if (win < kBetMultipleBands[b].to * totalBet) return b;
  return kBetMultipleBands.size() - 1;
}

std::array<double, kBetMultipleBands.size()> betMultipleChances(const ExactCounts& c, int machinepay) {
  const BaseReturn base = baseReturn(c, machinepay);
  const double d = static_cast<double>(base.weights);
  std::array<double, kBetMultipleBands.size()> chances{};
  chances[0] = static_cast<double>(machinepay) * static_cast<double>(c.outcomes - c.winning) / d;
  const auto lines = static_cast<std::uint64_t>(c.lines);
  for (std::size_t win = 1; win < c.histogram.size(); ++win)
    chances[betMultipleBand(win, lines)] += static_cast<double>(c.histogram[win]) / d;
  return chances;
}

}  // namespace quov
