// The spin-down animation's speed table: how far a strip moves per frame,
// how long each frame sleeps and how many passes each phase runs.
#pragma once

#include <optional>

namespace quov {

struct SpinDownSpeed {
  int step;    // twips per frame
  int pause;   // the frame sleeps pause + 10 ms
  int passes;  // passes per later phase (phase 0 always runs six)
};

// The row for a reel speed of 1, 2, 4, 8 or 10; none for any other value.
std::optional<SpinDownSpeed> spinDownSpeed(int reelspeed);

// A pass over a target Top runs from target - 4050 in `step` increments
// while the value does not exceed the target.
inline constexpr int kPassLength = 4050;
inline constexpr int kBounceRise = 600;  // a stopping reel jumps below and glides up
inline constexpr int kBounceStep = 20;
inline constexpr int kPhase0Passes = 6;

inline int framesPerPass(int step) { return kPassLength / step + 1; }

}  // namespace quov
