// Seeded draws for working out what the rules return by playing them: a
// xoshiro256++ generator (64 bits a step) and unbiased draws of 1..n by
// Lemire's multiply-and-reject. Each chunk of work has its own generator,
// its state seeded by SplitMix64 from the run's seed and the chunk's number,
// so a run gives the same figures whatever the number of threads. The
// game's own draws never come from here.
#pragma once

#include <array>
#include <cstdint>

#include "rules/reels.h"

namespace quov {

class ChunkRandom {
 public:
  ChunkRandom(std::uint64_t seed, std::uint64_t chunk) {
    std::uint64_t x = seed ^ (chunk * 0xD1B54A32D192ED03ull);
    for (std::uint64_t& word : state_) word = splitMix(x);
  }

  // A draw of 1..n, every value equally likely. A draw of 1..1 has only one
  // outcome and takes nothing from the generator.
  int operator()(int n) {
    if (n <= 1) return 1;
    const auto range = static_cast<std::uint64_t>(n);
    Wide m = Wide{next64()} * range;
    if (static_cast<std::uint64_t>(m) < range) {
      const std::uint64_t threshold = (0 - range) % range;
      while (static_cast<std::uint64_t>(m) < threshold) m = Wide{next64()} * range;
    }
    return static_cast<int>(m >> 64) + 1;
  }

  // The stops of all five reels at once, from one 64-bit word w drawn so
  // that w x 22^5 / 2^64 is uniform below 22^5 (the rare words that would
  // favour some numbers are drawn again). That number's base-22 digits are
  // five independent uniform stops, and they are the first five base-22
  // digits of the fraction w / 2^64: each is the high word of the fraction
  // times 22, the low word the fraction left for the next.
  void allStops(std::array<int, kReels + 1>& stops) {
    constexpr std::uint64_t kAll = 22ull * 22 * 22 * 22 * 22;
    constexpr std::uint64_t kThreshold = (0 - kAll) % kAll;
    static_assert(kStops == 22);
    std::uint64_t w;
    do w = next64();
    while (w * kAll < kThreshold);
    const auto digit = [&w] {
      const Wide d = Wide{w} * kStops;
      w = static_cast<std::uint64_t>(d);
      return static_cast<int>(d >> 64) + 1;
    };
    stops[1] = digit();
    stops[2] = digit();
    stops[3] = digit();
    stops[4] = digit();
    stops[5] = digit();
  }

 private:
  __extension__ typedef unsigned __int128 Wide;

  static std::uint64_t splitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  std::uint64_t next64() {
    const std::uint64_t result = rotl(state_[0] + state_[3], 23) + state_[0];
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotl(state_[3], 45);
    return result;
  }
  std::array<std::uint64_t, 4> state_{};
};

}  // namespace quov
