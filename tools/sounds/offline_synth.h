// FluidSynth without an audio driver: a score is played into memory, as
// fast as the processor allows, with a General MIDI sound font.
#pragma once

#include <string>
#include <vector>

#include "tools/sounds/clip_score.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace quov::sounds {

class OfflineSynth {
 public:
  static constexpr int kRate = 44100;
  // Throws when the sound font cannot be loaded.
  explicit OfflineSynth(const std::string& soundFont);
  ~OfflineSynth();
  OfflineSynth(const OfflineSynth&) = delete;
  OfflineSynth& operator=(const OfflineSynth&) = delete;

  // The voices played from silence for `seconds`, one channel at kRate.
  std::vector<float> render(const std::vector<Voice>& voices, double seconds);

 private:
  void write(std::vector<float>& out, std::size_t frames);
  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;
};

}  // namespace quov::sounds
