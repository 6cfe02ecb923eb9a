// The audio thread: it owns the audio device stream and keeps it filled
// from the mixer, a few milliseconds ahead of what the listener hears. The
// stream is opened on the first request and closed again after a while of
// silence. Without an audio server every request is dropped there, so the
// user-interface thread never waits on sound.
//
// The thread sleeps until the stream needs topping up or a request comes,
// whichever is first: a request is mixed in at once, and between requests
// the thread wakes only as often as the stream's queue asks for.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>

#include "desktop/sound/sound_mixer.h"

class QThread;

namespace quov {

class AudioOutput {
 public:
  explicit AudioOutput(SoundMixer& mixer);
  // Lets what plays finish (the exit click; at most a second), then ends
  // the thread.
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  // Any thread: a request waits in the mixer.
  void wake();

 private:
  void run(SoundMixer& mixer);

  std::mutex mutex_;
  std::condition_variable woken_;
  bool asked_ = false;      // guarded by mutex_: a request waits in the mixer
  bool finishing_ = false;  // guarded by mutex_: the program ends
  std::unique_ptr<QThread> thread_;
};

}  // namespace quov
