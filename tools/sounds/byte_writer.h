// Appending integers to a byte buffer in the byte orders that wave files
// (little-endian) and MIDI files (big-endian) use.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quov::sounds {

using Bytes = std::vector<std::uint8_t>;

inline void putLittle(Bytes& b, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

inline void putBig(Bytes& b, std::uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

inline void putTag(Bytes& b, std::string_view tag) { b.insert(b.end(), tag.begin(), tag.end()); }

}  // namespace quov::sounds
