// Records what the test audio server's null sink plays, through its
// monitor, with parec: 16-bit frames at 44100 Hz, one channel (the two of
// the sink mixed) or both, each frame stamped with the time it reached this
// process. The times are on the steady clock, so a test notes when it asked
// for a sound and looks up what was heard after it.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace quov::test {

using Clock = std::chrono::steady_clock;

class MonitorRecorder {
 public:
  static constexpr int kRate = 44100;
  // A sample this loud (of 32768) is sound; the monitor of a silent sink
  // reads exactly 0.
  static constexpr int kSilence = 200;

  explicit MonitorRecorder(int channels = 1);  // starts recording
  ~MonitorRecorder();
  bool running() const { return pid_ > 0; }

  struct Span {
    bool heard = false;
    Clock::time_point first, last;  // the first and last sample above silence
    double seconds() const { return std::chrono::duration<double>(last - first).count(); }
  };
  // Sound between `from` and `to` (only samples that have arrived count).
  Span heard(Clock::time_point from, Clock::time_point to) const;
  // When the first sound after `t` reached this process: the arrival of
  // the first block holding one (no earlier than the sound itself).
  std::optional<Clock::time_point> firstArrival(Clock::time_point t) const;
  // The frames between `from` and `to`, one list per channel, in [-1, 1].
  std::vector<std::vector<float>> samples(Clock::time_point from, Clock::time_point to) const;
  // The sound's energy between `from` and `to` (full scale 1, in seconds):
  // gaps a starved machine puts into a clip do not change it.
  double energy(Clock::time_point from, Clock::time_point to) const;
  // The share of `window`-long slices between `from` and `to` that hold sound.
  double soundingShare(Clock::time_point from, Clock::time_point to,
                       std::chrono::milliseconds window) const;
  // Separate sounds between `from` and `to`: stretches of sound parted by
  // at least `gap` of silence.
  int bursts(Clock::time_point from, Clock::time_point to, std::chrono::milliseconds gap) const;
  // Waits (up to `limit`) until samples later than `t` have arrived.
  bool waitFor(Clock::time_point t, std::chrono::seconds limit = std::chrono::seconds(30)) const;
  // Waits (up to `limit`) until `quiet` has passed without sound.
  bool waitForSilence(std::chrono::milliseconds quiet,
                      std::chrono::seconds limit = std::chrono::seconds(60)) const;

 private:
  struct Chunk {
    Clock::time_point arrived;
    std::vector<std::int16_t> samples;
  };
  void read(int fd);
  // Calls `f(time, sample)` for every sample of every frame in [from, to),
  // channel after channel.
  template <typename F>
  void each(Clock::time_point from, Clock::time_point to, F&& f) const;

  int channels_;
  int pid_ = -1;
  std::thread reader_;
  mutable std::mutex mutex_;
  std::vector<Chunk> chunks_;  // guarded by mutex_
};

// The streams playing into the test server's sink, as the server lists
// them; -1 when it cannot be asked.
int serverStreams();

}  // namespace quov::test
