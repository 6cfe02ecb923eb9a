// The flashing of the winning lines after a spin: each winning played line
// in turn gets five ticks, its segments and the frames of its paying run
// blinking together and its marker in the opposite phase.
#pragma once

#include <cstdint>

namespace quov {

class Quov;
class Paylines;

struct LineFlashState {
  std::int16_t flashpos = 0;    // the line being flashed; survives from one flashing to the next
  std::int16_t flashcount = 0;  // ticks the current line has had
};

class LineFlash {
 public:
  LineFlash(Quov& q, Paylines& paylines) : q(q), paylines(paylines) {}

  void tmrlineflash_tick();

  // Only this part changes them; others may look.
  const LineFlashState& state() const { return state_; }

 private:
  LineFlashState state_;
  Quov& q;
  Paylines& paylines;
};

}  // namespace quov
