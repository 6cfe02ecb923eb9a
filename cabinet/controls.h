// The player's controls on the control bar: coins, bet, lines, autoplay,
// the keyboard and the autoplay timer. Every picture button hides itself
// while held down, so the bar's picture beneath shows its pressed look, and
// shows itself again on release.
#pragma once

#include <cstdint>

namespace quov {

class Quov;
class Sounds;
class SpinCycle;

struct ControlsState {
  std::int16_t autonotice = 0;  // -1 once the autoplay notice has been shown
  std::int16_t autotoggle = 0;  // the autoplay switch: 0 off, 1 on
  std::int16_t linetoggle = 0;  // index 1..5 of the line choice, 0 before the first press
};

class Controls {
 public:
  Controls(Quov& q, Sounds& sounds, SpinCycle& spinCycle)
      : q(q), sounds(sounds), spinCycle(spinCycle) {}

  void coinsin_mousedown();
  void coinsin_mouseup();
  void btnbet_mousedown();
  void btnbet_mouseup();
  void payline_mousedown();
  void payline_mouseup();
  void autoplayon_mousedown();
  void autoplayon_mouseup();
  void Form_KeyPress(int& keyAscii);
  void tmrautospin_tick();
  // A resumed series plays `lines`: the line button steps on from there.
  void stepLinesFrom(std::int16_t lines);

  // Only this part changes them; others may look.
  const ControlsState& state() const { return state_; }

 private:
  ControlsState state_;
  Quov& q;
  Sounds& sounds;
  SpinCycle& spinCycle;
};

}  // namespace quov
