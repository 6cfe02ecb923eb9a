#include "desktop/sound/audio_output.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>
#include <optional>

#include "desktop/sound/audio_stream.h"
#include "mainscreen/timing.h"

namespace quov {

using std::chrono::milliseconds;

AudioOutput::AudioOutput(SoundMixer& mixer) : thread_(QThread::create([this, &mixer] { run(mixer); })) {
  thread_->setObjectName(QStringLiteral("quov-audio"));  // the thread's name in the system
  thread_->start();
}

AudioOutput::~AudioOutput() {
  {
    std::lock_guard lock(mutex_);
    finishing_ = true;
  }
  woken_.notify_one();
  thread_->wait();  // at most the exit's wait, and a top-up
}

void AudioOutput::wake() {
  {
    std::lock_guard lock(mutex_);
    asked_ = true;
  }
  woken_.notify_one();
}

void AudioOutput::run(SoundMixer& mixer) {
  using Clock = AudioStream::Clock;
  AudioStream stream(mixer);
  Clock::time_point nextTopUp = Clock::now();
  std::optional<Clock::time_point> exitBy;  // once the program ends
  std::unique_lock lock(mutex_);
  for (;;) {
    // Asleep until a request, the exit, or (while the stream is open) its
    // next top-up.
    const auto woken = [this, &exitBy] { return asked_ || (finishing_ && !exitBy); };
    if (stream.isOpen()) woken_.wait_until(lock, nextTopUp, woken);
    else woken_.wait(lock, woken);
    const bool asked = std::exchange(asked_, false);
    if (finishing_ && !exitBy) exitBy = Clock::now() + milliseconds(timing::kAudioExitWait);
    lock.unlock();

    if (asked) stream.request();
    else stream.topUp();
    nextTopUp = Clock::now() + milliseconds(timing::kAudioTopUp);
    // What Qt's own side of the stream has waiting for this thread, done
    // while it is awake anyway.
    QCoreApplication::processEvents();
    if (exitBy) {
      const auto quiet = stream.quietFor();
      if (!stream.isOpen() || (quiet && *quiet >= milliseconds(timing::kAudioExitTail)) || Clock::now() >= *exitBy)
        return;
    }
    lock.lock();
  }
}

}  // namespace quov
