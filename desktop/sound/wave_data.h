// The format and samples of a whole PCM wave file held in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/services.h"

namespace quov {

struct WaveData {
  int rate = 0;
  int channels = 0;
  int bits = 0;  // 8 (unsigned) or 16 (signed)
  std::size_t offset = 0, size = 0;  // where the samples lie in the file
};

// The PCM samples of a RIFF wave file; nothing for any other or a damaged file.
std::optional<WaveData> readWave(const Bytes& file);

}  // namespace quov
