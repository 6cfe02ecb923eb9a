// A mono PCM wave file of 8-bit (unsigned) or 16-bit (signed) samples.
#pragma once

#include <vector>

#include "tools/sounds/byte_writer.h"

namespace quov::sounds {

// `samples` lie in [-1, 1]; they are rounded to the nearest step of the
// sample width, so silence stays exactly silent.
Bytes waveFile(const std::vector<float>& samples, int rate, int bits);

}  // namespace quov::sounds
