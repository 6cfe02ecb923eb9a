#include "desktop/sound/wave_data.h"

#include <algorithm>
#include <cstring>

namespace quov {

namespace {
std::uint32_t le(const Bytes& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
  return v;
}
bool tag(const Bytes& b, std::size_t at, const char* t) {
  return at + 4 <= b.size() && std::memcmp(b.data() + at, t, 4) == 0;
}
}  // namespace

std::optional<WaveData> readWave(const Bytes& file) {
  if (!tag(file, 0, "RIFF") || !tag(file, 8, "WAVE")) return std::nullopt;
  WaveData w;
  bool haveFormat = false;
  std::size_t at = 12;
  while (at + 8 <= file.size()) {
    const std::size_t size = le(file, at + 4, 4);
    const std::size_t body = at + 8;
    if (tag(file, at, "fmt ") && size >= 16 && body + 16 <= file.size()) {
      if (le(file, body, 2) != 1) return std::nullopt;  // PCM only
      w.channels = static_cast<int>(le(file, body + 2, 2));
      w.rate = static_cast<int>(le(file, body + 4, 4));
      w.bits = static_cast<int>(le(file, body + 14, 2));
      haveFormat = true;
    } else if (tag(file, at, "data") && haveFormat) {
      w.offset = body;
      w.size = std::min(size, file.size() - body);
      const bool usable = w.channels >= 1 && w.rate > 0 && (w.bits == 8 || w.bits == 16);
      return usable ? std::optional<WaveData>(w) : std::nullopt;
    }
    at = body + size + (size & 1);
  }
  return std::nullopt;
}

}  // namespace quov
