// The reels: the five reel procedures that each draw one reel's stop (or
// keep it while a free-spin wild holds the reel) and read its cells into the
// spin's outcome, and the spin-down animation that then moves the strips
// into the places already decided.
#pragma once

#include <array>
#include <cstdint>

#include "mainscreen/spin_outcome.h"
#include "rules/reels.h"

namespace quov {

class Engine;
class Quov;
class Sounds;

struct ReelsState {
  std::int16_t reel1stop = 0, reel2stop = 0, reel3stop = 0, reel4stop = 0, reel5stop = 0;
  std::int32_t reel1pos = 0, reel2pos = 0, reel3pos = 0, reel4pos = 0, reel5pos = 0;
};

class Reels {
 public:
  explicit Reels(Engine& engine);

  // The spin cycle calls these in turn for every drawing. spinreel1 first
  // stops the animations of the last spin and forgets its readout.
  void spinreel1(SpinOutcome& outcome);
  void spinreel2(SpinOutcome& outcome);
  void spinreel3(SpinOutcome& outcome);
  void spinreel4(SpinOutcome& outcome);
  void spinreel5(SpinOutcome& outcome);
  // The spin-down animation of the outcome just settled.
  void spinDown(const SpinOutcome& outcome);
  // The reels standing at `stops` (reels 1..5) with no spin: the stops kept,
  // the cells read and the strips in place, as the records left them.
  void standAt(const std::array<std::int16_t, kReels>& stops);

  // Only this part changes them; others may look.
  const ReelsState& state() const { return state_; }

 private:
  ReelsState state_;
  // Draws reel `r`'s stop and reads its cells into the outcome. Of reels 2
  // to 4, one that showed its wild in the last drawing of a free-spin series
  // keeps its stop once more; reels 1 and 5 are never held.
  void drawReel(SpinOutcome& outcome, int r, std::int16_t& stop, std::int32_t& pos);
  Quov& q;
  Sounds& sounds;
};

}  // namespace quov
