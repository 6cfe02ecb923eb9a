// The audio server's stream as the audio thread fills it: opened on the
// first request, started with a little silence, kept a few milliseconds
// ahead of the listener from the mixer, and closed after a while of
// silence. While the device cannot be opened, requests are dropped and it
// is tried again only after a pause. Used by the audio thread alone.
#pragma once

#include <QAudioSink>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "desktop/sound/sound_mixer.h"

namespace quov {

class AudioStream {
 public:
  using Clock = std::chrono::steady_clock;

  explicit AudioStream(SoundMixer& mixer) : mixer_(mixer) {}
  ~AudioStream() { close(); }
  AudioStream(const AudioStream&) = delete;
  AudioStream& operator=(const AudioStream&) = delete;

  // A request waits in the mixer: the stream opens if it must, and the
  // request is mixed in at once (or dropped, without a device).
  void request();
  // Fills the stream up to its queue; closes it after a long enough silence.
  void topUp();
  bool isOpen() const { return sink_ != nullptr; }
  // How long the mix has been silent; nothing while it sounds.
  std::optional<Clock::duration> quietFor() const;

 private:
  bool open();
  void close();

  SoundMixer& mixer_;
  std::unique_ptr<QAudioSink> sink_;
  QIODevice* device_ = nullptr;  // the sink's, while it is open
  int leadIn_ = 0;               // frames of silence still to go at the start of the stream
  std::vector<std::int16_t> block_;
  std::optional<Clock::time_point> quietSince_, failedAt_;
};

}  // namespace quov
