// The win meter: the count-up after a win, the hold of each free spin's
// result before the next free spin, and the collect of a free-spin series.
#pragma once

#include <cstdint>

namespace quov {

class Engine;
class Quov;
class Sounds;

struct WinMeterState {
  std::int16_t seriesticks = 0;  // ticks the current free spin's result has been held
  // The count-up: its step and the amount counted so far.
  std::int16_t rollstep = 0;
  std::int32_t rolled = 0;
};

class WinMeter {
 public:
  explicit WinMeter(Engine& engine);

  void Timerwincounter_tick();
  void takewin_click();  // the collect of a free-spin series

  // A spin press: nothing counted yet.
  void clearCount() { state_.rolled = 0; }
  // An evaluated outcome that wins: the count-up starts at a cent a step.
  void armCount() { state_.rollstep = 1; }

  // Only this part changes them; others may look.
  const WinMeterState& state() const { return state_; }

 private:
  WinMeterState state_;
  Engine& engine;
  Quov& q;
  Sounds& sounds;
};

}  // namespace quov
