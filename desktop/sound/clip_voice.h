// The one clip that sounds at a time. A new clip replaces the one playing,
// which fades out over a few milliseconds instead of stopping dead, so no
// request ever clicks; a looping clip starts over each time it ends. Clips
// come already at the output's rate (see clip_rate.h): they are played
// sample for sample, never interpolated here.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>

#include "desktop/sound/pcm_clip.h"
#include "mainscreen/timing.h"

namespace quov {

class ClipVoice {
 public:
  explicit ClipVoice(int outputRate) : outputRate_(outputRate) {}
  // A clip at any other rate than the output's is not played.
  void start(std::shared_ptr<const PcmClip> clip, bool loop);
  void stop();
  bool sounding() const { return current_ || fading_; }
  // Adds `frames` of the clip into `mono`.
  void addTo(float* mono, int frames);

 private:
  struct Playing {
    std::shared_ptr<const PcmClip> clip;
    std::size_t position = 0;  // the clip's next sample
    bool loop = false;
    int fadeLeft = 0;     // frames of fade-out still to go, when fading
  };
  // Adds one playing clip; false once it has ended.
  bool add(Playing& p, float* mono, int frames, bool fading);
  int fadeFrames() const { return timing::kClipFadeOut * outputRate_ / 1000; }
  int outputRate_;
  std::optional<Playing> current_, fading_;
};

}  // namespace quov
