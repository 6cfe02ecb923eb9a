// The spin cycle: the spin press, the spin itself (every step from the
// reels' draw to the presentation of the outcome, in its order), the
// settlement with its payout throttle, the idle ticker that lets the next
// press in, and the timer that starts each free spin of a series.
#pragma once

#include <cstdint>
#include <string>

#include "mainscreen/spin_outcome.h"

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

  // One whole spin: it returns after the presentation of the outcome that
  // stood, the animation included, and after every fresh drawing that
  // replaced a voided one.
  void spin();

  // Only this part changes them; others may look.
  const SpinCycleState& state() const { return state_; }

 private:
  SpinCycleState state_;
  // The end of a spin: evaluation, settlement, jackpot meter step, credit,
  // spin-down and presentation. False when the settlement voided the
  // outcome: the rest waits for the drawing that replaces it.
  bool finishspin(SpinOutcome& outcome);
  // The settlement of an evaluated outcome: statistics, the debit of the bet
  // and the payout throttle. True when the throttle voided the outcome and a
  // fresh spin replaces it.
  bool settle(SpinOutcome& outcome);
  // A jackpot meter's caption as the ticker last formatted it: formatted
  // again only when the meter moved.
  struct MeterCaption {
    std::int32_t cents = 0;
    std::string text;
    bool showing(std::int32_t now) const { return !text.empty() && now == cents; }
    void show(Element& label, std::int32_t now);
  };
  // The three jackpot meters, shown on every tick unless they stand as the
  // ticker last left them.
  void showMeters();

  Engine& engine;
  Quov& q;
  Sounds& sounds;
  MeterCaption grandCaption, majorCaption, minorCaption;
  // The screen's revision right after the ticker last showed the meters.
  std::uint64_t metersShownAt = 0;
};

}  // namespace quov
