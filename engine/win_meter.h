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
};

class WinMeter {
 public:
  explicit WinMeter(Engine& engine);

  void Timerwincounter_tick();
  void takewin_click();  // the collect of a free-spin series

  WinMeterState state;

 private:
  Engine& engine;
  Quov& q;
  Sounds& sounds;
};

}  // namespace quov
