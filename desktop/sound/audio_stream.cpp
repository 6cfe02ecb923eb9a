#include "desktop/sound/audio_stream.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <algorithm>

#include "mainscreen/timing.h"

namespace quov {

namespace {
constexpr int kFrameBytes = SoundMixer::kChannels * 2;
constexpr int framesIn(int ms) { return SoundMixer::kRate * ms / 1000; }
}  // namespace

void AudioStream::request() {
  if (!sink_) {
    if (failedAt_ && Clock::now() - *failedAt_ < std::chrono::milliseconds(timing::kAudioRetry)) {
      mixer_.discard();
      return;
    }
    if (!open()) {
      failedAt_ = Clock::now();
      mixer_.discard();
      return;
    }
    failedAt_.reset();
    quietSince_.reset();
    leadIn_ = framesIn(timing::kAudioLeadIn);
  }
  topUp();
}

bool AudioStream::open() {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return false;
  QAudioFormat format;
  format.setSampleRate(SoundMixer::kRate);
  format.setChannelCount(SoundMixer::kChannels);
  format.setSampleFormat(QAudioFormat::Int16);
  if (!device.isFormatSupported(format)) return false;
  sink_ = std::make_unique<QAudioSink>(device, format);
  sink_->setBufferSize(framesIn(timing::kAudioQueue) * kFrameBytes);
  device_ = sink_->start();
  if (!device_ || sink_->error() != QAudio::NoError) {
    close();
    return false;
  }
  return true;
}

void AudioStream::close() {
  if (sink_) sink_->stop();
  sink_.reset();
  device_ = nullptr;
}

void AudioStream::topUp() {
  if (!sink_) return;
  const int frames = static_cast<int>(sink_->bytesFree() / kFrameBytes);
  if (frames > 0) {
    block_.resize(static_cast<std::size_t>(frames * SoundMixer::kChannels));
    const int quiet = std::min(frames, leadIn_);
    std::fill_n(block_.begin(), quiet * SoundMixer::kChannels, std::int16_t{0});
    leadIn_ -= quiet;
    mixer_.render(block_.data() + quiet * SoundMixer::kChannels, frames - quiet);
    device_->write(reinterpret_cast<const char*>(block_.data()), frames * kFrameBytes);
  }
  if (!mixer_.idle()) {
    quietSince_.reset();
    return;
  }
  if (!quietSince_) quietSince_ = Clock::now();
  if (Clock::now() - *quietSince_ >= std::chrono::milliseconds(timing::kAudioCloseAfter)) close();
}

std::optional<AudioStream::Clock::duration> AudioStream::quietFor() const {
  if (!quietSince_) return std::nullopt;
  return Clock::now() - *quietSince_;
}

}  // namespace quov
