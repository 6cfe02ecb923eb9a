#include "platform/qt/clip_player.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include "platform/qt/wave_data.h"

namespace quov {

ClipPlayer::ClipPlayer() { hasDevice_ = !QMediaDevices::defaultAudioOutput().isNull(); }

ClipPlayer::~ClipPlayer() { stop(); }

void ClipPlayer::stop() {
  loop_ = false;
  if (sink_) {
    sink_->disconnect();
    sink_->stop();
    sink_.reset();
  }
  buffer_.close();
}

void ClipPlayer::play(const Bytes& clip, bool loop) {
  stop();
  if (!hasDevice_) return;
  const auto wave = readWave(clip);
  if (!wave) return;
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return;
  QAudioFormat format;
  format.setSampleRate(wave->rate);
  format.setChannelCount(wave->channels);
  format.setSampleFormat(wave->bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
  samples_ = QByteArray(reinterpret_cast<const char*>(clip.data() + wave->offset),
                        static_cast<qsizetype>(wave->size));
  buffer_.setData(samples_);
  buffer_.open(QIODevice::ReadOnly);
  loop_ = loop;
  sink_ = std::make_unique<QAudioSink>(device, format);
  QObject::connect(sink_.get(), &QAudioSink::stateChanged,
                   [this](QAudio::State s) { restartLoop(s); });
  sink_->start(&buffer_);
}

void ClipPlayer::restartLoop(QAudio::State state) {
  if (state != QAudio::IdleState || !sink_) return;
  if (!loop_) {
    sink_->stop();
    return;
  }
  buffer_.seek(0);
  sink_->start(&buffer_);
}

}  // namespace quov
