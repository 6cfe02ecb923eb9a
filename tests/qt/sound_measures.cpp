#include "tests/qt/sound_measures.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <set>

#include "desktop/qt_resources.h"
#include "desktop/sound/pcm_clip.h"
#include "sound/clips.h"
#include "tools/sounds/loudness.h"

namespace quov::test {

namespace {
bool holdsSilence(const std::vector<float>& s, std::size_t from, std::size_t n, std::size_t gap) {
  std::size_t run = 0;
  for (std::size_t i = from; i < from + n; ++i) {
    run = s[i] == 0.0f ? run + 1 : 0;
    if (run >= gap) return true;
  }
  return false;
}
}  // namespace

std::vector<double> peakSpectrum(const std::vector<float>& s, std::size_t n, std::size_t gap,
                                 std::size_t* used) {
  std::vector<double> peak(n / 2, 0.0);
  std::vector<std::complex<double>> x(n);
  if (used) *used = 0;
  for (std::size_t from = 0; from + n <= s.size(); from += n / 2) {
    if (gap > 0 && holdsSilence(s, from, n, gap)) continue;
    if (used) ++*used;
    for (std::size_t i = 0; i < n; ++i) {
      const double turn = static_cast<double>(i) / static_cast<double>(n);
      x[i] = s[from + i] * (0.5 - 0.5 * std::cos(2 * std::numbers::pi * turn));
    }
    for (std::size_t i = 1, j = 0; i < n; ++i) {  // bit-reversed order
      std::size_t bit = n >> 1;
      for (; j & bit; bit >>= 1) j ^= bit;
      j ^= bit;
      if (i < j) std::swap(x[i], x[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
      const auto w = std::polar(1.0, -2 * std::numbers::pi / static_cast<double>(len));
      for (std::size_t i = 0; i < n; i += len) {
        std::complex<double> wk = 1;
        for (std::size_t k = 0; k < len / 2; ++k, wk *= w) {
          const auto a = x[i + k], b = x[i + k + len / 2] * wk;
          x[i + k] = a + b;
          x[i + k + len / 2] = a - b;
        }
      }
    }
    for (std::size_t k = 0; k < n / 2; ++k) peak[k] = std::max(peak[k], std::norm(x[k]));
  }
  return peak;
}

double aboveBandDb(const std::vector<double>& spectrum, double binHz, double bandHz, double aboveHz) {
  double inBand = 0, above = 0;
  for (std::size_t k = 1; k < spectrum.size(); ++k) {
    const double hz = static_cast<double>(k) * binHz;
    if (hz < bandHz) inBand = std::max(inBand, spectrum[k]);
    if (hz > aboveHz) above = std::max(above, spectrum[k]);
  }
  if (inBand <= 0) return 0;  // nothing in the band: nothing is under it
  if (above <= 0) return -400;
  return 10 * std::log10(above / inBand);
}

std::vector<double> stereoShortTerm(const std::vector<float>& left, const std::vector<float>& right, int rate) {
  const auto l = sounds::windowLoudness(left, rate, sounds::kShortTermWindow);
  const auto r = sounds::windowLoudness(right, rate, sounds::kShortTermWindow);
  std::vector<double> both;
  for (std::size_t i = 0; i < std::min(l.size(), r.size()); ++i)
    both.push_back(10 * std::log10(std::pow(10.0, l[i] / 10) + std::pow(10.0, r[i] / 10)));
  return both;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? std::nan("") : v[v.size() / 2];
}

double likeness(const std::vector<float>& s, std::size_t at, const std::vector<float>& pattern) {
  if (at + pattern.size() > s.size()) return 0;
  double both = 0, own = 0, its = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    both += static_cast<double>(s[at + i]) * pattern[i];
    own += static_cast<double>(s[at + i]) * s[at + i];
    its += static_cast<double>(pattern[i]) * pattern[i];
  }
  return own > 0 && its > 0 ? both / std::sqrt(own * its) : 0;
}

std::optional<std::size_t> findSound(const std::vector<float>& s, std::size_t from,
                                     const std::vector<float>& pattern, double enough) {
  std::optional<std::size_t> best;
  double bestLikeness = enough;
  for (std::size_t at = from; at + pattern.size() <= s.size(); ++at) {
    const double l = likeness(s, at, pattern);
    if (l >= bestLikeness) {
      best = at;
      bestLikeness = l;
    } else if (best && l < enough) {
      break;  // past the first stretch that fits
    }
  }
  return best;
}

std::optional<double> winClipsMedianLoudness() {
  std::vector<double> wins;
  QtResources resources;
  for (Clip c : std::set<Clip>(kWinClips.begin(), kWinClips.end())) {
    if (c == Clip::None) continue;
    const auto clip = decodeClip(resources.load("WAVE", clipResourceName(c)));
    if (!clip) return std::nullopt;
    // A clip sounds the same in both channels: twice its power.
    wins.push_back(sounds::measureLoudness(clip->samples, clip->rate).loudest + 10 * std::log10(2.0));
  }
  return median(wins);
}

}  // namespace quov::test
