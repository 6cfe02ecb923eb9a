#include "platform/qt/sound/audio_output.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "mainscreen/timing.h"

namespace quov {

namespace {
constexpr int kFrameBytes = SoundMixer::kChannels * 2;
}  // namespace

class AudioPump : public QObject {
 public:
  explicit AudioPump(SoundMixer& mixer) : mixer_(mixer) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { feed(); });
  }

  void wake() {
    if (sink_) return;
    if (failed_.isValid() && failed_.elapsed() < timing::kAudioRetry) {
      mixer_.discard();
      return;
    }
    if (!open()) {
      failed_.start();
      mixer_.discard();
      return;
    }
    failed_.invalidate();
    silence_.invalidate();
    leadIn_ = SoundMixer::kRate * timing::kAudioLeadIn / 1000;
    timer_.start(timing::kAudioTopUp);
    feed();
  }

  void finish() {
    finishing_ = true;
    QTimer::singleShot(timing::kAudioExitWait, this, [this] { end(); });
    if (!sink_) end();
  }

 private:
  bool open() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format;
    format.setSampleRate(SoundMixer::kRate);
    format.setChannelCount(SoundMixer::kChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return false;
    sink_ = new QAudioSink(device, format, this);
    sink_->setBufferSize(SoundMixer::kRate * kFrameBytes * timing::kAudioQueue / 1000);
    stream_ = sink_->start();
    if (!stream_ || sink_->error() != QAudio::NoError) {
      close();
      return false;
    }
    return true;
  }

  void close() {
    timer_.stop();
    if (sink_) {
      sink_->stop();
      delete sink_;
    }
    sink_ = nullptr;
    stream_ = nullptr;
  }

  void end() {
    close();
    thread()->quit();
  }

  void feed() {
    if (!sink_) return;
    const int frames = static_cast<int>(sink_->bytesFree() / kFrameBytes);
    if (frames > 0) {
      block_.resize(static_cast<std::size_t>(frames * SoundMixer::kChannels));
      const int quiet = std::min(frames, leadIn_);
      std::fill_n(block_.begin(), quiet * SoundMixer::kChannels, std::int16_t{0});
      leadIn_ -= quiet;
      mixer_.render(block_.data() + quiet * SoundMixer::kChannels, frames - quiet);
      stream_->write(reinterpret_cast<const char*>(block_.data()), frames * kFrameBytes);
    }
    if (!mixer_.idle()) {
      silence_.invalidate();
      return;
    }
    if (!silence_.isValid()) silence_.start();
    if (finishing_ && silence_.elapsed() >= timing::kAudioExitTail) end();
    else if (silence_.elapsed() >= timing::kAudioCloseAfter) close();
  }

  SoundMixer& mixer_;
  QTimer timer_{this};
  QAudioSink* sink_ = nullptr;
  QIODevice* stream_ = nullptr;
  std::vector<std::int16_t> block_;
  QElapsedTimer silence_, failed_;
  int leadIn_ = 0;  // frames of silence still to go at the start of the stream
  bool finishing_ = false;
};

AudioOutput::AudioOutput(SoundMixer& mixer) : pump_(new AudioPump(mixer)) {
  thread_.setObjectName(QStringLiteral("quov-audio"));  // the thread's name in the system
  pump_->moveToThread(&thread_);
  QObject::connect(&thread_, &QThread::finished, pump_, &QObject::deleteLater);
  thread_.start();
}

AudioOutput::~AudioOutput() {
  AudioPump* pump = pump_;
  QMetaObject::invokeMethod(pump_, [pump] { pump->finish(); }, Qt::QueuedConnection);
  if (!thread_.wait(QDeadlineTimer(2 * timing::kAudioExitWait))) {
    thread_.quit();
    thread_.wait();
  }
}

void AudioOutput::wake() {
  AudioPump* pump = pump_;
  QMetaObject::invokeMethod(pump_, [pump] { pump->wake(); }, Qt::QueuedConnection);
}

}  // namespace quov
