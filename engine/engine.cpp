#include "engine/engine.h"

#include "engine/evaluation.h"
#include "engine/free_spins.h"
#include "engine/gamble.h"
#include "engine/jackpot.h"
#include "engine/reels.h"
#include "engine/spin_cycle.h"
#include "engine/wild_animations.h"
#include "engine/win_meter.h"

namespace quov {

Engine::Engine(Quov& quov, Sounds& sound)
    : q(quov),
      sounds(sound),
      spinCycle_(std::make_unique<SpinCycle>(*this)),
      reels_(std::make_unique<Reels>(*this)),
      evaluation_(std::make_unique<Evaluation>(*this)),
      winMeter_(std::make_unique<WinMeter>(*this)),
      freeSpins_(std::make_unique<FreeSpins>(*this)),
      wildAnimations_(std::make_unique<WildAnimations>(quov)),
      jackpot_(std::make_unique<Jackpot>(*this)),
      gamble_(std::make_unique<Gamble>(quov, sound)) {}

Engine::~Engine() = default;

}  // namespace quov
