// The spin-down animation: the strips run together, then come to rest one
// by one from the left with a small bounce, into the places the drawing has
// already decided. It blocks the thread frame by frame and yields nowhere.
#include "engine/reels.h"

#include <array>
#include <cstddef>

#include "mainscreen/quov.h"
#include "mainscreen/timing.h"
#include "rules/spin_down.h"
#include "sound/sounds.h"

namespace quov {

void Reels::spinDown(const SpinOutcome& o) {
  // Speeds the options screen cannot produce have no row; such a value
  // plays at the fastest speed rather than never moving the strips.
  const SpinDownSpeed speed = spinDownSpeed(q.m.reelspeed).value_or(*spinDownSpeed(1));
  const int frameSleep = speed.pause + timing::kFrameExtra;
  // Taken once: every frame sleeps on it.
  EventLoop& loop = q.p.loop;
  const std::int32_t pos[6] = {
      0, state_.reel1pos, state_.reel2pos, state_.reel3pos, state_.reel4pos, state_.reel5pos};
  auto held = [this](int r) { return q.holds.held[static_cast<std::size_t>(r)]; };
  // Stop and scatter clips sound in normal play only; a scatter sounds as
  // its reel stops.
  const Readout& scatters = o.readout;
  const bool clipsOn = q.freespinmode == 0;
  // The strips still running: every reel from `first` on that is not held.
  // Nothing runs between two frames, so the holds stand for the whole phase.
  std::array<Element*, 5> running{};
  std::size_t runningCount = 0;
  auto runFrom = [&](int first) {
    runningCount = 0;
    for (int r = first; r <= 5; ++r)
      if (!held(r)) running[runningCount++] = &q.reel[static_cast<std::size_t>(r)];
  };
  auto pass = [&](std::int32_t target, auto&& frame) {
    for (std::int32_t top = target - kPassLength; top <= target; top += speed.step) {
      frame(top);
      for (std::size_t i = 0; i < runningCount; ++i) running[i]->move(0, top);
      loop.sleep(frameSleep);
    }
  };

  runFrom(1);
  for (int n = 0; n < kPhase0Passes; ++n) pass(state_.reel1pos, [](std::int32_t) {});

  for (int k = 1; k <= 4; ++k) {
    const std::int32_t base = pos[k] + kBounceRise;
    Element* stopping = held(k) ? nullptr : &q.reel[static_cast<std::size_t>(k)];
    int bounce = 0;
    if (clipsOn && (k == 1 || !held(k))) sounds.play(Clip::ReelStop);
    if (clipsOn && scatters.scattercell[static_cast<std::size_t>(k)] > 0 &&
        (k <= 3 || scatters.scattercount >= 2))
      sounds.play(scatterLanding(k));
    runFrom(k + 1);
    for (int n = 0; n < speed.passes; ++n)
      pass(pos[k + 1], [&](std::int32_t) {
        if (bounce < kBounceRise) {
          bounce += kBounceStep;
          if (stopping) stopping->move(0, base - bounce);
        }
      });
  }

  const std::int32_t base = state_.reel5pos + kBounceRise;
  if (clipsOn) sounds.play(Clip::ReelStop);
  if (clipsOn && scatters.scattercell[5] > 0 && scatters.scattercount >= 2)
    sounds.play(scatterLanding(5));
  for (int bounce = 0; bounce <= kBounceRise; bounce += kBounceStep) {
    q.reel[5].move(0, base - bounce);
    loop.sleep(frameSleep);
  }

  // The held reels are free again; a wild that landed fresh holds its reel
  // for the next spin.
  releaseHeld(q.holds);
  q.tmrtick.enable();
}

}  // namespace quov
