// The end of a spin, `finishspin`: the evaluation of scatter and line pays,
// the settlement, the meter step, the spin-down animation and the
// presentation of the outcome (win clip, autoplay pause, the scatter, wild
// and line animations, the crediting of a normal-play win, the offer after
// losing spins and the gamble offer).
#pragma once

namespace quov {

class Engine;
class Quov;
class Sounds;

class Evaluation {
 public:
  explicit Evaluation(Engine& engine);

  void finishspin();

 private:
  void evaluateOutcome();  // scatter and line pays
  void present();          // the presentation after the animation
  Engine& engine;
  Quov& q;
  Sounds& sounds;
};

}  // namespace quov
