// The audio thread: it owns the audio device stream and keeps it filled
// from the mixer, a few milliseconds ahead of what the listener hears. The
// stream is opened on the first request and closed again after a while of
// silence. Without an audio server every request is dropped there, so the
// user-interface thread never waits on sound.
#pragma once

#include <QThread>

#include "platform/qt/sound/sound_mixer.h"

namespace quov {

class AudioPump;

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
  QThread thread_;
  AudioPump* pump_;
};

}  // namespace quov
