// Scatters and free spins: the scatter animation, the award of a series for
// three or more scatters, the series step after every evaluation of a
// series, and the multiplier draw of each free spin.
#pragma once

namespace quov {

class Engine;
class Quov;
class Sounds;

class FreeSpins {
 public:
  explicit FreeSpins(Engine& engine);

  void Timerscatters_tick();
  void award();       // three or more scatters
  void seriesStep();  // the series goes on or ends
  void freespinbusiness();  // the multiplier of the free spin being settled

 private:
  Engine& engine;
  Quov& q;
  Sounds& sounds;
};

}  // namespace quov
