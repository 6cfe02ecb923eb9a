#include "desktop/sound/sound_mixer.h"

#include <algorithm>
#include <cmath>

namespace quov {

SoundMixer::SoundMixer(std::string soundFont, std::string cacheFolder)
    : tune_(std::move(soundFont), kRate, std::move(cacheFolder)) {}

void SoundMixer::post(Request r) {
  std::lock_guard lock(mutex_);
  pending_.push_back(std::move(r));
  idle_ = false;
}

void SoundMixer::playClip(std::shared_ptr<const PcmClip> clip, bool loop) {
  post({loop ? Request::Loop : Request::Play, std::move(clip), {}});
}
void SoundMixer::stopClip() { post({Request::Stop, nullptr, {}}); }
void SoundMixer::openTune(const std::string& file) { post({Request::OpenTune, nullptr, file}); }
void SoundMixer::playTune() { post({Request::PlayTune, nullptr, {}}); }
void SoundMixer::closeTune() { post({Request::CloseTune, nullptr, {}}); }

std::vector<SoundMixer::Request> SoundMixer::takeRequests() {
  std::vector<Request> taken;
  std::lock_guard lock(mutex_);
  taken.swap(pending_);
  return taken;
}

void SoundMixer::render(std::int16_t* out, int frames) {
  for (Request& r : takeRequests()) {
    switch (r.kind) {
      case Request::Play: clip_.start(std::move(r.clip), false); break;
      case Request::Loop: clip_.start(std::move(r.clip), true); break;
      case Request::Stop: clip_.stop(); break;
      case Request::OpenTune: tune_.open(r.file); break;
      case Request::PlayTune: tune_.play(); break;
      case Request::CloseTune: tune_.close(); break;
    }
  }
  const auto n = static_cast<std::size_t>(frames);
  mono_.assign(n, 0.0F);
  stereo_.assign(n * kChannels, 0.0F);
  clip_.addTo(mono_.data(), frames);
  tune_.addTo(stereo_.data(), frames);
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t c = 0; c < kChannels; ++c) {
      const float v = std::clamp(mono_[i] + stereo_[kChannels * i + c], -1.0F, 1.0F);
      out[kChannels * i + c] = static_cast<std::int16_t>(std::lround(v * 32767.0F));
    }
  }
  std::lock_guard lock(mutex_);
  idle_ = pending_.empty() && !clip_.sounding() && !tune_.sounding();
}

void SoundMixer::discard() {
  takeRequests();
  clip_ = ClipVoice(kRate);
  tune_.close();
  idle_ = true;  // without an output nothing can sound
}

}  // namespace quov
