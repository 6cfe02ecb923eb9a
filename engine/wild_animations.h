// The wild animations after a winning spin: the portrait frames over every
// wild in normal play, and in free spins the same frames with the drawn
// multiplier's badge laid over them. Every spin press starts their frame
// counters again.
#pragma once

namespace quov {

class Quov;

struct WildAnimationsState {
  int symbolframe = 0;   // the portrait frame of normal play
  int wildticks = 0;     // the portrait frame of a free spin
  int wildpic = 0;       // the badge frame over it
  int wildpicfirst = 0;  // the last badge frame of the multiplier shown
};

class WildAnimations {
 public:
  explicit WildAnimations(Quov& q) : q(q) {}

  void Timer4_tick();
  void timerwild_tick();

  // A spin press: the portraits start from their first frame (the no-money
  // check comes between this and the rest).
  void restartPortraits() { state_.symbolframe = 0; }
  // A spin press that goes ahead: every counter starts again.
  void restart() { state_ = {}; }
  // The multiplier just drawn for a free spin shows its badge from `badge`.
  void startBadge(int badge) { state_.wildpic = badge; }

  // Only this part changes them; others may look.
  const WildAnimationsState& state() const { return state_; }

 private:
  WildAnimationsState state_;
  Quov& q;
};

}  // namespace quov
