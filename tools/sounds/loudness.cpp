#include "tools/sounds/loudness.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace quov::sounds {

namespace {

constexpr double kSilence = -std::numeric_limits<double>::infinity();

struct Biquad {
  double b0, b1, b2, a1, a2;
  void run(std::vector<double>& s) const {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (double& x : s) {
      const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
      x2 = x1;
      x1 = x;
      y2 = y1;
      y1 = y;
      x = y;
    }
  }
};

// The two K-weighting stages, designed for `rate` from the analogue
// prototypes the 48 kHz coefficients of BS.1770 come from.
Biquad trebleShelf(int rate) {
  constexpr double gainDb = 3.999843853973347, corner = 1681.974450955533, q = 0.7071752369554196;
  const double k = std::tan(std::numbers::pi * corner / rate);
  const double vh = std::pow(10.0, gainDb / 20), vb = std::pow(vh, 0.4996667741545416);
  const double a0 = 1 + k / q + k * k;
  return {(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
          2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
}

Biquad bassCut(int rate) {
  constexpr double corner = 38.13547087602444, q = 0.5003270373238773;
  const double k = std::tan(std::numbers::pi * corner / rate);
  const double a0 = 1 + k / q + k * k;
  return {1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
}

double lufs(double meanSquare) {
  return meanSquare > 0 ? -0.691 + 10 * std::log10(meanSquare) : kSilence;
}

std::vector<double> weightedSquares(const std::vector<float>& samples, int rate) {
  std::vector<double> s(samples.begin(), samples.end());
  trebleShelf(rate).run(s);
  bassCut(rate).run(s);
  for (double& v : s) v *= v;
  return s;
}

// Mean squares of windows of `length` samples every `step` samples.
std::vector<double> windowPowers(const std::vector<double>& squares, std::size_t length,
                                 std::size_t step) {
  std::vector<double> powers;
  if (squares.size() <= length) {
    double sum = 0;
    for (double v : squares) sum += v;
    powers.push_back(sum / static_cast<double>(length));
    return powers;
  }
  std::vector<double> running(squares.size() + 1, 0.0);
  for (std::size_t i = 0; i < squares.size(); ++i) running[i + 1] = running[i] + squares[i];
  for (std::size_t from = 0; from + length <= squares.size(); from += step)
    powers.push_back((running[from + length] - running[from]) / static_cast<double>(length));
  return powers;
}

std::size_t samplesOf(double seconds, int rate) {
  return static_cast<std::size_t>(std::lround(seconds * rate));
}

}  // namespace

std::vector<double> windowLoudness(const std::vector<float>& samples, int rate, double seconds) {
  std::vector<double> out;
  for (double p : windowPowers(weightedSquares(samples, rate), samplesOf(seconds, rate),
                               samplesOf(kWindowStep, rate)))
    out.push_back(lufs(p));
  return out;
}

Loudness measureLoudness(const std::vector<float>& samples, int rate) {
  const auto squares = weightedSquares(samples, rate);
  // Integrated: 400 ms blocks overlapping by three quarters, gated twice.
  const auto blocks =
      windowPowers(squares, samplesOf(kMomentaryWindow, rate), samplesOf(kWindowStep, rate));
  auto meanAbove = [&blocks](double gate) {
    double sum = 0;
    int n = 0;
    for (double p : blocks) {
      if (lufs(p) <= gate) continue;
      sum += p;
      ++n;
    }
    return n > 0 ? sum / n : 0.0;
  };
  const double ungated = lufs(meanAbove(-70));
  Loudness l{};
  l.integrated = lufs(meanAbove(ungated - 10));
  l.loudest = lufs(*std::max_element(blocks.begin(), blocks.end()));
  const auto shortTerm =
      windowPowers(squares, samplesOf(kShortTermWindow, rate), samplesOf(kWindowStep, rate));
  if (squares.size() <= samplesOf(kShortTermWindow, rate)) {
    l.quietestShortTerm = l.loudestShortTerm = l.loudest;
  } else {
    l.quietestShortTerm = lufs(*std::min_element(shortTerm.begin(), shortTerm.end()));
    l.loudestShortTerm = lufs(*std::max_element(shortTerm.begin(), shortTerm.end()));
  }
  return l;
}

}  // namespace quov::sounds
