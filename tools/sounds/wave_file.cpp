#include "tools/sounds/wave_file.h"

#include <algorithm>
#include <cmath>

namespace quov::sounds {

Bytes waveFile(const std::vector<float>& samples, int rate, int bits) {
  const auto bytesPerSample = static_cast<std::uint32_t>(bits / 8);
  const auto dataSize = static_cast<std::uint32_t>(samples.size()) * bytesPerSample;
  Bytes b;
  putTag(b, "RIFF");
  putLittle(b, 36 + dataSize + (dataSize & 1), 4);
  putTag(b, "WAVE");
  putTag(b, "fmt ");
  putLittle(b, 16, 4);
  putLittle(b, 1, 2);  // PCM
  putLittle(b, 1, 2);  // one channel
  putLittle(b, static_cast<std::uint32_t>(rate), 4);
  putLittle(b, static_cast<std::uint32_t>(rate) * bytesPerSample, 4);
  putLittle(b, bytesPerSample, 2);
  putLittle(b, static_cast<std::uint32_t>(bits), 2);
  putTag(b, "data");
  putLittle(b, dataSize, 4);
  for (float s : samples) {
    const double v = std::clamp(static_cast<double>(s), -1.0, 1.0);
    if (bits == 8)
      b.push_back(static_cast<std::uint8_t>(128 + std::lround(127 * v)));
    else
      putLittle(b, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(32767 * v))), 2);
  }
  if (dataSize & 1) b.push_back(0);  // chunks are padded to an even size
  return b;
}

}  // namespace quov::sounds
