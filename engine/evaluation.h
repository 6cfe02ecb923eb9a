// The evaluation of a drawn outcome (its scatter and line pays) and the
// presentation of the outcome that stood, after the spin-down: win clip,
// autoplay pause, the scatter, wild and line animations, the free-spin award,
// the crediting of a normal-play win, the offer after losing spins and the
// gamble offer.
#pragma once

#include "mainscreen/spin_outcome.h"

namespace quov {

class Engine;
class Quov;
class Sounds;

class Evaluation {
 public:
  explicit Evaluation(Engine& engine);

  // Fills in the paying lines, every line's run length and the win. The
  // lengths go on from `lengths`, those of the evaluations since the spin
  // press.
  void evaluate(SpinOutcome& outcome, const LineArray& lengths);
  void present(const SpinOutcome& outcome);

 private:
  Engine& engine;
  Quov& q;
  Sounds& sounds;
};

}  // namespace quov
