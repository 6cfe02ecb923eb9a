// Seeded draws for working out what the rules return by playing them: a
// PCG32 generator (XSH RR output of a 64-bit linear congruential state) and
// unbiased draws of 1..n by Lemire's multiply-and-reject. Each chunk of work
// has its own generator: its state and its stream are seeded from the run's
// seed and the chunk's number, so a run gives the same figures whatever the
// number of threads. The game's own draws never come from here.
#pragma once

#include <array>
#include <cstdint>

#include "engine/rules/reels.h"

namespace quov {

class ChunkRandom {
 public:
  ChunkRandom(std::uint64_t seed, std::uint64_t chunk) {
    std::uint64_t x = seed ^ (chunk * 0xD1B54A32D192ED03ull);
    increment_ = splitMix(x) | 1;
    state_ = splitMix(x) + increment_;
    next32();
  }

  // A draw of 1..n, every value equally likely. A draw of 1..1 has only one
  // outcome and takes nothing from the generator.
  int operator()(int n) {
    if (n <= 1) return 1;
    const auto range = static_cast<std::uint32_t>(n);
    std::uint64_t m = std::uint64_t{next32()} * range;
    auto low = static_cast<std::uint32_t>(m);
    if (low < range) {
      const std::uint32_t threshold = (0u - range) % range;
      while (low < threshold) {
        m = std::uint64_t{next32()} * range;
        low = static_cast<std::uint32_t>(m);
      }
    }
    return static_cast<int>(m >> 32) + 1;
  }

  // The stops of all five reels at once: the base-22 digits of one number
  // drawn uniformly below 22^5 are five independent uniform stops.
  void allStops(std::array<int, kReels + 1>& stops) {
    constexpr std::uint32_t kAll = 22u * 22 * 22 * 22 * 22;
    constexpr std::uint32_t kThreshold = (0u - kAll) % kAll;
    static_assert(kStops == 22);
    std::uint64_t m;
    do m = std::uint64_t{next32()} * kAll;
    while (static_cast<std::uint32_t>(m) < kThreshold);
    auto x = static_cast<std::uint32_t>(m >> 32);
    for (int r = 1; r <= kReels; ++r) {
      stops[static_cast<std::size_t>(r)] = static_cast<int>(x % kStops) + 1;
      x /= kStops;
    }
  }

 private:
  static std::uint64_t splitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::uint32_t next32() {
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ull + increment_;
    const auto shifted = static_cast<std::uint32_t>(((old >> 18) ^ old) >> 27);
    const auto rot = static_cast<unsigned>(old >> 59);
    return (shifted >> rot) | (shifted << ((32 - rot) & 31));
  }
  std::uint64_t state_ = 0, increment_ = 0;
};

}  // namespace quov
