#include "desktop/sound/tune_voice.h"

namespace quov {

TuneVoice::TuneVoice(std::string soundFont, int outputRate, std::string cacheFolder)
    : soundFont_(std::move(soundFont)), outputRate_(outputRate), cacheFolder_(std::move(cacheFolder)) {}

void TuneVoice::open(const std::string& file) {
  if (recording_ && recording_->tune() == file) return;
  playing_ = false;
  recording_ = std::make_unique<TuneRecording>(soundFont_, file, outputRate_, cacheFolder_);
}

void TuneVoice::play() {
  if (!recording_ || (playing_ && fadeLeft_ == 0)) return;  // nothing open, or playing already
  playing_ = true;
  position_ = 0;
  fadeLeft_ = 0;
}

void TuneVoice::close() {
  if (!playing_) return;
  if (position_ == 0)
    playing_ = false;  // still waiting for its opening: nothing to fade
  else if (fadeLeft_ == 0)
    fadeLeft_ = fadeFrames();
}

void TuneVoice::addTo(float* stereo, int frames) {
  if (!playing_) return;
  if (recording_->failed()) {  // no sound font or no tune: it stays silent
    playing_ = false;
    return;
  }
  const bool complete = recording_->complete();
  const std::size_t available = recording_->available();
  for (int i = 0; i < frames; ++i) {
    if (complete && position_ >= recording_->length()) position_ = recording_->loopStart();
    if (position_ >= available) {
      // Not made yet: the tune waits for it, unless it is on its way out.
      if (fadeLeft_ > 0) playing_ = false;
      return;
    }
    float gain = 1.0F;
    if (fadeLeft_ > 0) gain = static_cast<float>(fadeLeft_) / static_cast<float>(fadeFrames());
    const std::int16_t* f = recording_->frame(position_++);
    stereo[2 * i] += gain * static_cast<float>(f[0]) / 32767.0F;
    stereo[2 * i + 1] += gain * static_cast<float>(f[1]) / 32767.0F;
    if (fadeLeft_ > 0 && --fadeLeft_ == 0) {
      playing_ = false;
      return;
    }
  }
}

}  // namespace quov
