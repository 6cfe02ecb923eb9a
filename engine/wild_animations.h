// The wild animations after a winning spin: the portrait frames over every
// wild in normal play, and in free spins the same frames with the drawn
// multiplier's badge laid over them. Their frame counters are the spin's
// animation counters, which every spin press resets.
#pragma once

namespace quov {

class Quov;

class WildAnimations {
 public:
  explicit WildAnimations(Quov& q) : q(q) {}

  void Timer4_tick();
  void timerwild_tick();

 private:
  Quov& q;
};

}  // namespace quov
