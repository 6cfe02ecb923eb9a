// A wave clip decoded once into samples in [-1, 1] at its own rate, ready
// for the audio thread to play.
#pragma once

#include <memory>
#include <vector>

#include "platform/services.h"

namespace quov {

struct PcmClip {
  int rate = 0;
  std::vector<float> samples;  // one channel (a stereo file is mixed down)
};

// Nothing for a file that is no readable PCM wave.
std::shared_ptr<const PcmClip> decodeClip(const Bytes& wave);

}  // namespace quov
