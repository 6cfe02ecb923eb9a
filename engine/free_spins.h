// Scatters and free spins: the scatter animation, the award of a series for
// three or more scatters, the series step after every evaluation of a
// series, and the multiplier draw of each free spin.
#pragma once

#include "engine/series_record.h"
#include "mainscreen/spin_outcome.h"
#include "platform/element.h"

namespace quov {

class Engine;
class Quov;
class Sounds;

struct FreeSpinsState {
  int scatterframe = 0;  // the scatter animation's frame
};

class FreeSpins {
 public:
  // Puts the queen on the main screen, beneath the no-money panel.
  explicit FreeSpins(Engine& engine);

  void Timerscatters_tick();
  // A spin press: the scatter animation starts from its first frame.
  void restartScatters() { state_.scatterframe = 0; }
  void award(const SpinOutcome& outcome);       // three or more scatters
  void seriesStep(const SpinOutcome& outcome);  // the series goes on or ends
  // The multiplier of the free spin being settled.
  void freespinbusiness(const SpinOutcome& outcome);

  // Whether a series runs or waits for its collect.
  bool inSeries() const;
  // The series as it stands between two evaluations, for the records; an
  // empty record outside a series. The history's id is not the engine's to
  // know: it stays 0.
  SeriesRecord record() const;
  // Puts the machine back into a series the records kept: the counters,
  // the total, the reels where they stood and the held wilds, the control
  // bar away and the captions as between two free spins. A running series
  // goes on with its next free spin; a complete one waits for its collect.
  // The bet of the series is already in place (the start-up sets it).
  void resume(const SeriesRecord& r);

  // The queen who walks across the screen when a series is awarded.
  Element zendara1;
  // Only this part changes them; others may look.
  const FreeSpinsState& state() const { return state_; }

 private:
  FreeSpinsState state_;
  Engine& engine;
  Quov& q;
  Sounds& sounds;
};

}  // namespace quov
