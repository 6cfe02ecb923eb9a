#include "tools/sounds/clip_shaping.h"

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

void shape(std::vector<float>& samples, int rate, double peak, double fadeIn, double fadeOut) {
  float loudest = 0;
  for (float s : samples) loudest = std::max(loudest, std::abs(s));
  if (loudest > 0)
    for (float& s : samples) s = static_cast<float>(s * peak / loudest);
  const std::size_t n = samples.size();
  const auto inFrames = std::min(n, static_cast<std::size_t>(fadeIn * rate));
  for (std::size_t i = 0; i < inFrames; ++i)
    samples[i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / inFrames));
  const auto outFrames = std::min(n, static_cast<std::size_t>(fadeOut * rate));
  for (std::size_t i = 0; i < outFrames; ++i)
    samples[n - 1 - i] *=
        static_cast<float>(0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / outFrames));
}

}  // namespace quov::sounds
