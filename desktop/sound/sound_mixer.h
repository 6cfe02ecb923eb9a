// What the audio thread plays: the one clip of the moment and the free-spin
// tune, mixed into stereo 16-bit frames. Requests come from the user-
// interface thread and only ever wait for the short moment it takes to
// hand them over; the audio thread takes them at the start of its next block.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "desktop/sound/clip_voice.h"
#include "desktop/sound/tune_voice.h"

namespace quov {

class SoundMixer {
 public:
  static constexpr int kRate = 44100;
  static constexpr int kChannels = 2;

  // `cacheFolder` keeps the tune's recording between runs; empty for none.
  explicit SoundMixer(std::string soundFont, std::string cacheFolder = {});

  // Any thread.
  void playClip(std::shared_ptr<const PcmClip> clip, bool loop);
  void stopClip();
  void openTune(const std::string& file);
  void playTune();
  void closeTune();
  // Nothing sounds and no request waits.
  bool idle() const { return idle_; }

  // The audio thread: the next `frames` frames.
  void render(std::int16_t* out, int frames);
  // The audio thread, without an output: every request is dropped.
  void discard();

 private:
  struct Request {
    enum Kind { Play, Loop, Stop, OpenTune, PlayTune, CloseTune } kind;
    std::shared_ptr<const PcmClip> clip;
    std::string file;
  };
  void post(Request r);
  std::vector<Request> takeRequests();

  std::mutex mutex_;
  std::vector<Request> pending_;  // guarded by mutex_
  std::atomic<bool> idle_{true};
  // The audio thread's own.
  ClipVoice clip_{kRate};
  TuneVoice tune_;
  std::vector<float> mono_, stereo_;
};

}  // namespace quov
