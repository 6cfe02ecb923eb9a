// The spin cycle: the spin press that turns a press into one drawn, settled
// and animated outcome, the settlement with its payout throttle, the idle
// ticker that lets the next press in, and the timer that starts each free
// spin of a series.
#pragma once

#include <cstdint>
#include <string>

namespace quov {

class Element;
class Engine;
class Quov;
class Sounds;

struct SpinCycleState {
  std::int16_t paydraw = 0;  // the throttle's draw 1..machinepay of the last settlement
};

class SpinCycle {
 public:
  explicit SpinCycle(Engine& engine);

  void btnstartall_click();  // the spin press
  void btnspin_click();
  void btnspin_mouseup();
  void tmrtick_tick();
  void Timerrespin_tick();

  // The settlement of an evaluated outcome: statistics, the debit of the bet
  // and the payout throttle. True when the throttle voided the outcome and a
  // fresh spin replaces it.
  bool settle();

  SpinCycleState state;

 private:
  // A jackpot meter's caption as the ticker last formatted it: formatted
  // again only when the meter moved, shown on every tick.
  struct MeterCaption {
    std::int32_t cents = 0;
    std::string text;
    void show(Element& label, std::int32_t now);
  };

  Engine& engine;
  Quov& q;
  Sounds& sounds;
  MeterCaption grandCaption, majorCaption, minorCaption;
};

}  // namespace quov
