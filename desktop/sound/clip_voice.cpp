#include "desktop/sound/clip_voice.h"

namespace quov {

void ClipVoice::start(std::shared_ptr<const PcmClip> clip, bool loop) {
  stop();
  if (clip && !clip->samples.empty() && clip->rate == outputRate_)
    current_ = Playing{std::move(clip), 0, loop, 0};
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
  for (int i = 0; i < frames; ++i) {
    if (p.position >= s.size()) {
      if (!p.loop) return false;
      p.position = 0;
    }
    float gain = 1.0F;
    if (fading) {
      if (p.fadeLeft <= 0) return false;
      gain = static_cast<float>(p.fadeLeft--) / static_cast<float>(fadeFrames());
    }
    mono[i] += gain * s[p.position++];
  }
  return true;
}

void ClipVoice::addTo(float* mono, int frames) {
  if (fading_ && !add(*fading_, mono, frames, true)) fading_.reset();
  if (current_ && !add(*current_, mono, frames, false)) current_.reset();
}

}  // namespace quov
