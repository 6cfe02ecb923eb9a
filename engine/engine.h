// The game engine: its parts, each owned here once. A part reaches the
// others it calls through this registry; each part's header is included only
// by the files that use that part, so a change to one part rebuilds only its
// users.
#pragma once

#include <memory>

namespace quov {

class Quov;
class Sounds;
class SpinCycle;
class Reels;
class Evaluation;
class WinMeter;
class FreeSpins;
class WildAnimations;
class Jackpot;
class Gamble;

class Engine {
 public:
  Engine(Quov& q, Sounds& sounds);
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  Quov& q;
  Sounds& sounds;

  SpinCycle& spinCycle() { return *spinCycle_; }
  Reels& reels() { return *reels_; }
  Evaluation& evaluation() { return *evaluation_; }
  WinMeter& winMeter() { return *winMeter_; }
  FreeSpins& freeSpins() { return *freeSpins_; }
  WildAnimations& wildAnimations() { return *wildAnimations_; }
  Jackpot& jackpot() { return *jackpot_; }
  Gamble& gamble() { return *gamble_; }

 private:
  std::unique_ptr<SpinCycle> spinCycle_;
  std::unique_ptr<Reels> reels_;
  std::unique_ptr<Evaluation> evaluation_;
  std::unique_ptr<WinMeter> winMeter_;
  std::unique_ptr<FreeSpins> freeSpins_;
  std::unique_ptr<WildAnimations> wildAnimations_;
  std::unique_ptr<Jackpot> jackpot_;
  std::unique_ptr<Gamble> gamble_;
};

}  // namespace quov
