// The free-spin tune as stereo 16-bit frames at the output's rate, made
// once on a helper thread: read from the player's cache when it was made
// before with the same sound font, rate and tune, otherwise rendered through
// FluidSynth and then kept there. The tune is one fixed piece, so playing
// it costs the audio thread a copy, not a synthesiser.
//
// The frames are the tune's first pass followed by the opening of its
// second, where the notes that ring on from the end of the first still sound
// under it; from `loopStart()` on the second pass is the first again, so a
// player that goes back there at the end repeats the tune seamlessly, as a
// looping MIDI player does.
//
// Frames become readable as they are made, a stretch at a time: the audio
// thread may start on the opening while the rest is still being rendered.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

namespace quov {

class TuneRecording {
 public:
  // Frames per stretch, and the most stretches a tune may fill (about nine
  // minutes at 44.1 kHz).
  static constexpr std::size_t kStretchFrames = 1 << 16;
  static constexpr std::size_t kMaxStretches = 384;

  // Starts making the recording of the MIDI file `tune`; `cacheFolder` may
  // be empty (nothing is kept).
  TuneRecording(std::string soundFont, std::string tune, int rate, std::string cacheFolder);
  ~TuneRecording();  // stops a rendering that has not finished
  TuneRecording(const TuneRecording&) = delete;
  TuneRecording& operator=(const TuneRecording&) = delete;

  const std::string& tune() const { return tune_; }
  // Frames that may be read so far.
  std::size_t available() const { return available_.load(std::memory_order_acquire); }
  // All made: `length()` and `loopStart()` hold from then on.
  bool complete() const { return complete_.load(std::memory_order_acquire); }
  // No tune could be made (no sound font, no readable tune): it stays silent.
  bool failed() const { return failed_.load(std::memory_order_acquire); }
  std::size_t length() const { return length_; }
  std::size_t loopStart() const { return loopStart_; }
  // Frame `i` (< available()) as two samples, left then right.
  const std::int16_t* frame(std::size_t i) const {
    return stretches_[i / kStretchFrames].get() + 2 * (i % kStretchFrames);
  }

 private:
  void make();
  bool render();
  bool readCache();
  void writeCache() const;
  std::string cacheKey() const;
  // Room for frame `i`; false past the most a tune may fill.
  bool reserve(std::size_t i);
  void publish(std::size_t frames) { available_.store(frames, std::memory_order_release); }
  void finish(std::size_t length, std::size_t loopStart);

  const std::string soundFont_, tune_;
  const int rate_;
  const std::string cacheFolder_;
  std::array<std::unique_ptr<std::int16_t[]>, kMaxStretches> stretches_;
  std::atomic<std::size_t> available_{0};
  std::atomic<bool> complete_{false}, failed_{false}, stopping_{false};
  std::size_t length_ = 0, loopStart_ = 0;
  std::thread maker_;  // last: it starts once everything above is set up
};

}  // namespace quov
