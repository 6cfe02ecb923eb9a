// The free-spin tune as the audio thread plays it: the tune's recording
// (see tune_recording.h), started from its beginning, repeated seamlessly
// and faded out over a few milliseconds when closed. The recording is made
// on a helper thread when the tune is first opened; a play asked for
// meanwhile starts as soon as its opening is there.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "desktop/sound/tune_recording.h"
#include "mainscreen/timing.h"

namespace quov {

class TuneVoice {
 public:
  // `cacheFolder` keeps the recording from one run to the next; empty for
  // none.
  TuneVoice(std::string soundFont, int outputRate, std::string cacheFolder);

  // Names the tune's file; the first time, its recording starts.
  void open(const std::string& file);
  // Starts the tune from its beginning; one that plays already goes on. It
  // repeats until closed.
  void play();
  // Stops the tune, fading it out over a few milliseconds.
  void close();
  bool sounding() const { return playing_; }
  // Adds `frames` stereo frames (interleaved) of the tune into `stereo`.
  void addTo(float* stereo, int frames);

 private:
  int fadeFrames() const { return timing::kTuneFadeOut * outputRate_ / 1000; }
  std::string soundFont_;
  int outputRate_;
  std::string cacheFolder_;
  std::unique_ptr<TuneRecording> recording_;
  bool playing_ = false;   // asked to play, and not yet faded out
  std::size_t position_ = 0;  // the next frame of the recording
  int fadeLeft_ = 0;  // frames of fade-out to go after a close
};

}  // namespace quov
