// The reels: the chain of reel procedures that draws each reel's stop (or
// keeps it while a free-spin wild holds the reel) and reads its cells, and
// the spin-down animation that then moves the strips into the places already
// decided.
#pragma once

#include <array>
#include <cstdint>

#include "rules/reels.h"

namespace quov {

class Engine;
class Quov;
class Sounds;

struct ReelsState {
  std::int16_t reel1stop = 0, reel2stop = 0, reel3stop = 0, reel4stop = 0, reel5stop = 0;
  std::int16_t reel1mark = 0, reel2mark = 0, reel3mark = 0, reel4mark = 0, reel5mark = 0;
  std::int32_t reel1pos = 0, reel2pos = 0, reel3pos = 0, reel4pos = 0, reel5pos = 0;
  bool respinDue = false;  // the settlement voided the outcome being drawn
};

class Reels {
 public:
  explicit Reels(Engine& engine);

  // spinreel1 returns after the whole spin, animation and presentation
  // included, and after every fresh spin that replaces a voided outcome.
  void spinreel1();
  void spinreel2();
  void spinreel3();
  void spinreel4();
  void spinreel5();
  // The spin-down animation of the outcome just settled.
  void spinDown();
  // The settlement voided the outcome: a fresh spin follows once this one
  // has unwound.
  void respinAfterVoid() { state.respinDue = true; }
  // The reels standing at `stops` (reels 1..5) with no spin: the stops kept,
  // the cells read and the strips in place, as the records left them.
  void standAt(const std::array<std::int16_t, kReels>& stops);

  ReelsState state;

 private:
  void reelChain();
  Engine& engine;
  Quov& q;
  Sounds& sounds;
};

}  // namespace quov
