#include "platform/qt/clip_voice.h"

#include <cmath>

namespace quov {

namespace {

// Catmull-Rom interpolation between s[i] and s[i+1]; samples outside the
// clip count as silence.
float sampleAt(const std::vector<float>& s, double position) {
  const auto i = static_cast<long>(std::floor(position));
  const auto t = static_cast<float>(position - static_cast<double>(i));
  auto at = [&s](long k) {
    return k >= 0 && k < static_cast<long>(s.size()) ? s[static_cast<std::size_t>(k)] : 0.0F;
  };
  const float p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
  return p1 + 0.5F * t * (p2 - p0 + t * (2 * p0 - 5 * p1 + 4 * p2 - p3 + t * (3 * (p1 - p2) + p3 - p0)));
}

}  // namespace

void ClipVoice::start(std::shared_ptr<const PcmClip> clip, bool loop) {
  stop();
  if (clip && !clip->samples.empty() && clip->rate > 0) current_ = Playing{std::move(clip), 0, loop, 0};
}

void ClipVoice::stop() {
  if (!current_) return;
  // A clip still fading from an earlier request is dropped: its fade has
  // mostly run and only the newest one is heard going.
  fading_ = std::move(current_);
  fading_->fadeLeft = fadeFrames();
  current_.reset();
}

bool ClipVoice::add(Playing& p, float* mono, int frames, bool fading) {
  const std::vector<float>& s = p.clip->samples;
  const double step = static_cast<double>(p.clip->rate) / outputRate_;
  const auto length = static_cast<double>(s.size());
  for (int i = 0; i < frames; ++i) {
    if (p.position >= length) {
      if (!p.loop) return false;
      p.position -= length;
    }
    float gain = 1.0F;
    if (fading) {
      if (p.fadeLeft <= 0) return false;
      gain = static_cast<float>(p.fadeLeft--) / static_cast<float>(fadeFrames());
    }
    mono[i] += gain * sampleAt(s, p.position);
    p.position += step;
  }
  return true;
}

void ClipVoice::addTo(float* mono, int frames) {
  if (fading_ && !add(*fading_, mono, frames, true)) fading_.reset();
  if (current_ && !add(*current_, mono, frames, false)) current_.reset();
}

}  // namespace quov
