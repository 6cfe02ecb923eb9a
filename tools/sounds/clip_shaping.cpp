#include "tools/sounds/clip_shaping.h"

#include "tools/sounds/loudness.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quov::sounds {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kZeroCrossings = 16;  // of the sinc on each side of a sample

double sinc(double x) { return x == 0 ? 1.0 : std::sin(kPi * x) / (kPi * x); }

// Blackman window over [-1, 1].
double window(double x) { return 0.42 + 0.5 * std::cos(kPi * x) + 0.08 * std::cos(2 * kPi * x); }

}  // namespace

std::vector<float> resample(const std::vector<float>& in, int from, int to, std::size_t frames) {
  std::vector<float> out(frames, 0.0F);
  // Cut-off a little below the lower of the two Nyquist frequencies, in
  // cycles per input sample.
  const double cutoff = 0.45 * std::min(from, to) / from;
  const double halfWidth = kZeroCrossings / (2 * cutoff);
  for (std::size_t n = 0; n < frames; ++n) {
    const double x = static_cast<double>(n) * from / to;
    const auto first = static_cast<long>(std::ceil(x - halfWidth));
    const auto last = static_cast<long>(std::floor(x + halfWidth));
    double sum = 0, weight = 0;
    for (long k = first; k <= last; ++k) {
      const double d = x - static_cast<double>(k);
      const double h = sinc(2 * cutoff * d) * window(d / halfWidth);
      weight += h;
      if (k >= 0 && k < static_cast<long>(in.size())) sum += h * in[static_cast<std::size_t>(k)];
    }
    out[n] = static_cast<float>(sum / weight);
  }
  return out;
}

void removeOffset(std::vector<float>& samples, int rate) {
  // A second-order Butterworth high-pass (bilinear transform), run forward
  // and then backward so it shifts no part of the clip in time.
  constexpr double kCorner = 20.0;
  const double k = std::tan(kPi * kCorner / rate);
  const double q = std::numbers::sqrt2 / 2;
  const double norm = 1 / (1 + k / q + k * k);
  const double b0 = norm, b1 = -2 * norm, b2 = norm;
  const double a1 = 2 * (k * k - 1) * norm, a2 = (1 - k / q + k * k) * norm;
  auto pass = [&](auto first, auto last) {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (auto it = first; it != last; ++it) {
      const double x = *it;
      const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
      x2 = x1, x1 = x, y2 = y1, y1 = y;
      *it = static_cast<float>(y);
    }
  };
  pass(samples.begin(), samples.end());
  pass(samples.rbegin(), samples.rend());
}

void fadeEdges(std::vector<float>& samples, int rate, double fadeIn, double fadeOut) {
  const std::size_t n = samples.size();
  const auto inFrames = std::min(n, static_cast<std::size_t>(fadeIn * rate));
  for (std::size_t i = 0; i < inFrames; ++i)
    samples[i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / inFrames));
  const auto outFrames = std::min(n, static_cast<std::size_t>(fadeOut * rate));
  for (std::size_t i = 0; i < outFrames; ++i)
    samples[n - 1 - i] *=
        static_cast<float>(0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / outFrames));
}

void scaleToLoudness(std::vector<float>& samples, int rate, double lufs) {
  const double loudest = measureLoudness(samples, rate).loudest;
  if (!std::isfinite(loudest)) return;  // silence stays silence
  const auto gain = static_cast<float>(std::pow(10.0, (lufs - loudest) / 20));
  for (float& s : samples) s *= gain;
}

void levelUp(std::vector<float>& samples, int rate, double floorLufs) {
  constexpr double kMostGainDb = 20;  // a near-silent stretch is not made loud
  const auto step = static_cast<double>(rate) * kWindowStep;
  const double halfWindow = static_cast<double>(rate) * kShortTermWindow / 2;
  // Each round lifts every stretch by what it lacks, the gain moving
  // smoothly from one stretch's middle to the next; a few rounds settle
  // the overlap between neighbours.
  for (int round = 0; round < 6; ++round) {
    const auto loudness = windowLoudness(samples, rate, kShortTermWindow);
    if (loudness.size() < 2) return;
    std::vector<double> lift;
    for (double l : loudness) lift.push_back(std::clamp(floorLufs - l + 0.1, 0.0, kMostGainDb));
    if (*std::max_element(lift.begin(), lift.end()) <= 0.1) return;
    for (std::size_t i = 0; i < samples.size(); ++i) {
      const double at = std::clamp((static_cast<double>(i) - halfWindow) / step, 0.0,
                                   static_cast<double>(lift.size() - 1));
      const auto k = std::min(static_cast<std::size_t>(at), lift.size() - 2);
      const double t = at - static_cast<double>(k);
      const double db = lift[k] + t * (lift[k + 1] - lift[k]);
      samples[i] *= static_cast<float>(std::pow(10.0, db / 20));
    }
  }
}

}  // namespace quov::sounds
